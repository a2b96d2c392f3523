#pragma once

#include <array>

namespace rating {

// The two sides of the game: the Nue King's and the army's.
enum class Side { Nue, Army };

constexpr Side otherSide(Side s) { return s == Side::Nue ? Side::Army : Side::Nue; }

// A level's published rating for one side it plays, and its deviation (the
// fit's standard error), on the players' scale.
struct LevelRating {
    double rating = 0;
    double deviation = 0;
};

inline constexpr int kFirstLevel = 1;
inline constexpr int kLastLevel = 8;

// Each level's rating with the Nue King and with the army, fitted by
// tools/level_ratings.py from the ladder's matches (the README's table):
// one scale for both sides, the mean of level 3's two ratings at 1500. A
// player with the army meets the level's Nue King rating, and the other way
// round.
inline constexpr std::array<std::array<LevelRating, 2>, kLastLevel> kLevelRatings = {{
    // level: {Nue King, army}
    // LEVEL_TABLE_BEGIN (written by tools/level_ratings.py)
    // level 1
    {{{1537.2, 38.0}, {1473.3, 37.9}}},
    // level 2
    {{{1546.2, 28.1}, {1442.2, 28.1}}},
    // level 3
    {{{1562.3, 11.9}, {1437.7, 11.9}}},
    // level 4
    {{{1900.9, 71.5}, {1621.9, 37.2}}},
    // level 5
    {{{2099.9, 82.1}, {1837.7, 79.7}}},
    // level 6
    {{{2250.5, 101.2}, {2145.3, 89.2}}},
    // level 7
    {{{2309.4, 97.3}, {2361.8, 107.6}}},
    // level 8
    {{{2410.8, 113.1}, {2617.6, 109.1}}},
    // LEVEL_TABLE_END
}};

// The level's rating when it plays `side`; level 1..8.
constexpr LevelRating levelRating(int level, Side side) {
    return kLevelRatings[static_cast<std::size_t>(level - kFirstLevel)][side == Side::Nue ? 0 : 1];
}

// The rating the player meets at `level` when the player holds `playerSide`.
constexpr LevelRating opponentAt(int level, Side playerSide) {
    return levelRating(level, otherSide(playerSide));
}

}  // namespace rating
