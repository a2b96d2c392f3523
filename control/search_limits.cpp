#include "control/search_limits.h"

namespace control {

namespace {

double seconds(std::chrono::milliseconds t) { return std::chrono::duration<double>(t).count(); }

}  // namespace

search::ClockTime clockTimeOf(const state::GameClock& clock, int side) {
    const state::SideTime t = clock.read(side);
    const state::TimeControl& c = clock.control(side);
    search::ClockTime out;
    out.main = seconds(t.main);
    if (c.kind == state::ClockKind::Fischer) out.increment = seconds(c.perMove);
    if (c.kind == state::ClockKind::Byoyomi) out.byoyomi = seconds(t.byoyomi);
    return out;
}

search::Limits levelMoveLimits(int level, const state::GameClock* clock, int side,
                               std::uint64_t strongestNodes, std::uint64_t seed, double overhead) {
    const search::Limits own = search::levelLimits(level, strongestNodes, seed);
    if (clock == nullptr || clock->control(side).kind == state::ClockKind::None) return own;
    return search::spendClock(own, clockTimeOf(*clock, side), overhead);
}

}  // namespace control
