#include "rating/level_choice.h"

#include <algorithm>
#include <cmath>

namespace rating {

double expectedAgainst(const Rating& player, Side playerSide, int level) {
    const LevelRating opponent = opponentAt(level, playerSide);
    return expectedScore(player.rating, opponent.rating, opponent.deviation);
}

int suggestedLevel(const Rating& player, Side playerSide) {
    int best = kFirstLevel;
    double nearest = 2;
    for (int level = kFirstLevel; level <= kLastLevel; ++level) {
        const double distance = std::abs(expectedAgainst(player, playerSide, level) - 0.5);
        if (distance < nearest) {
            nearest = distance;
            best = level;
        }
    }
    return best;
}

AdaptiveLevel nextAdaptive(AdaptiveLevel a, double score) {
    if (score == 1)
        a.run = a.run > 0 ? a.run + 1 : 1;
    else if (score == 0)
        a.run = a.run < 0 ? a.run - 1 : -1;
    else
        a.run = 0;
    if (a.run == 2 || a.run == -2) {
        a.level = std::clamp(a.level + (a.run > 0 ? 1 : -1), kFirstLevel, kLastLevel);
        a.run = 0;
    }
    return a;
}

}  // namespace rating
