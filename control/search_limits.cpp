#include "control/search_limits.h"

namespace control {

namespace {

double seconds(std::chrono::milliseconds t) { return std::chrono::duration<double>(t).count(); }

}  // namespace

search::ClockTime clockTimeOf(const rules::GameClock& clock, int side) {
    const rules::SideTime t = clock.read(side);
    const rules::TimeControl& c = clock.control(side);
    search::ClockTime out;
    out.main = seconds(t.main);
    if (c.kind == rules::ClockKind::Fischer) out.increment = seconds(c.perMove);
    if (c.kind == rules::ClockKind::Byoyomi) out.byoyomi = seconds(t.byoyomi);
    return out;
}

search::Limits levelMoveLimits(int level, const rules::GameClock* clock, int side,
                               std::uint64_t strongestNodes, std::uint64_t seed, double overhead) {
    const search::Limits own = search::levelLimits(level, strongestNodes, seed);
    if (clock == nullptr || clock->control(side).kind == rules::ClockKind::None) return own;
    return search::spendClock(own, clockTimeOf(*clock, side), overhead);
}

}  // namespace control
