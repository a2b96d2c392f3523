#pragma once

#include "rating/glicko2.h"
#include "rating/level_ratings.h"

namespace rating {

// The player's expected score against `level` when holding `playerSide`,
// 0 to 1, with the level's published rating and deviation.
double expectedAgainst(const Rating& player, Side playerSide, int level);

// The level whose expected score for the player is nearest 50 %; of two
// equally near, the lower.
// 例: a fresh player (1500) with the army is offered the level whose Nue
// King rating is nearest 1500.
int suggestedLevel(const Rating& player, Side playerSide);

// The adaptive level: it moves one rung up after two wins in a row at it,
// one rung down after two losses in a row, and stays within 1..8. A draw
// ends a run; a move starts a new one.
struct AdaptiveLevel {
    int level = 3;
    int run = 0;  // +n: n wins in a row at this level, -n: n losses
    bool operator==(const AdaptiveLevel&) const = default;
};

// The adaptive level after a game at it, scored 1, 0.5 or 0 for the player.
// 例: nextAdaptive({3, 1}, 1) == AdaptiveLevel{4, 0}
AdaptiveLevel nextAdaptive(AdaptiveLevel a, double score);

}  // namespace rating
