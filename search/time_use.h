#pragma once

#include "search/search.h"

namespace search {

// What the side to move has on its clock, in seconds. The clock itself is
// the game's (state/clock.h); the search sees only these numbers, so it
// depends on nothing.
struct ClockTime {
    double main = 0;       // its main time left
    double increment = 0;  // added after each move made in time
    double byoyomi = 0;    // the time of each move once the main time is spent
};

// How a search level spends a clock's time on one move:
//  - it may use at most what the clock still allows for this move (the main
//    time, plus the byoyomi), less a reserve of 0.1 s and a tenth of it, and
//    less `overhead`, the caller's own time for the move outside the search;
//    at that moment the search stops and plays its best so far;
//  - level 8 aims at a thirtieth of its main time, plus 0.8 of the
//    increment or of the byoyomi: new iterations start only in the first half
//    of that aim, and the search stops at one and a half times it, as without
//    a clock;
//  - levels 4 to 7 keep their node budgets, which take a few hundredths of
//    a second at most, and stop at the clock's limit as well.
// A side with an increment or byoyomi of 1 s thus never runs out.
// 例: byoyomi only, 1 s: the aim is 0.8 s and the stop 0.8 s.
Limits spendClock(Limits level, const ClockTime& t, double overhead = 0);

}  // namespace search
