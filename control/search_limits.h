#pragma once

#include <cstdint>

#include "search/levels.h"
#include "search/time_use.h"
#include "state/clock.h"

namespace control {

// The side's clock as the search reads it, in seconds: its main time left
// and, for this move, the increment or the byoyomi left.
search::ClockTime clockTimeOf(const state::GameClock& clock, int side);

// A search level's limits for one side's move (+1 upper, -1 lower): the
// level's own (search/levels.h), and with a clock on that side the time the
// clock allows by the search's rule (search/time_use.h). `overhead` is the
// caller's own time for the move outside the search.
// 例: levelMoveLimits(8, nullptr, 1) is Limits{}, a second a move.
search::Limits levelMoveLimits(int level, const state::GameClock* clock, int side,
                               std::uint64_t strongestNodes = 0, std::uint64_t seed = 0, double overhead = 0);

}  // namespace control
