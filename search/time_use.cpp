#include "search/time_use.h"

#include <algorithm>

namespace search {

namespace {

constexpr double kReserveSeconds = 0.1;
constexpr double kReserveShare = 0.1;
constexpr double kMovesAhead = 30;
constexpr double kPerMoveShare = 0.8;
// A stop of zero would mean no stop at all: the search still gets this long
// to find a move.
constexpr double kShortestStop = 0.001;

}  // namespace

Limits spendClock(Limits level, const ClockTime& t, double overhead) {
    const double allowed = t.main + t.byoyomi;
    const double stop = allowed - kReserveSeconds - kReserveShare * allowed - overhead;
    level.stopSeconds = std::max(stop, kShortestStop);
    if (level.nodes == 0) {
        const double aim = t.main / kMovesAhead + kPerMoveShare * std::max(t.increment, t.byoyomi);
        level.seconds = std::min(aim, level.stopSeconds);
    }
    return level;
}

}  // namespace search
