#pragma once

#include <string>

#include "cli/commands.h"
#include "rating/glicko2.h"

namespace cli {

// The player's Glicko-2 rating, kept by the session (1500 350 0.06 at first).
// "rating R RD VOL" sets it: R 0..5000, RD above 0 and at most 350, VOL
// above 0 and at most 1; answers "ok". "rating" alone answers the rating as
// "rated" does.
std::string ratingCommand(rating::Rating& player, const Words& w);

// "rated OPP_R OPP_RD SCORE": one game against an opponent of that rating
// and deviation (the ranges above), SCORE 1, 0.5 or 0, as one rating period.
// Answers "rating R RD VOL", R and RD to two decimals, VOL to six.
// 例: a fresh session, "rated 1500 350 1" answers "rating 1662.31 290.32 0.060000"
std::string ratedCommand(rating::Rating& player, const Words& w);

}  // namespace cli
