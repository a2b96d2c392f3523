#pragma once

#include <array>
#include <cstdint>

#include "search/search.h"

namespace search {

// The computer's search levels, 4 to 8. Level 8 is the full search, about a
// second a move; each level below it thinks about a fixed number of
// positions, a few moves deep, and the lowest ones play any move near the
// best. Levels 1 to 3 are the one-move player's (engine/), not these.
inline constexpr int kFirstSearchLevel = 4;
inline constexpr int kStrongestLevel = 8;

constexpr bool isSearchLevel(int level) { return level >= kFirstSearchLevel && level <= kStrongestLevel; }

// How one search level thinks about a move.
struct LevelSettings {
    std::uint64_t nodes;  // positions a move; 0: the time of Limits (level 8)
    int depth;            // the deepest iteration
    int margin;           // the near-best choice, in hundredths of a pawn; 0: always the best
};

// Levels 4 to 8, in order. Each scores about 70 % against the level below
// it (tools/ladder_match.sh measures it; the README shows the table).
inline constexpr std::array<LevelSettings, 5> kLevelSettings = {{
    {200, 2, 60},     // 4
    {2000, 3, 30},    // 5
    {20000, 6, 0},    // 6
    {200000, 60, 0},  // 7
    {0, 60, 0},       // 8
}};

const LevelSettings& levelSettings(int level);

// The limits of a move at a search level. `strongestNodes` gives level 8 a
// node budget instead of its time (match scripts, the command line's
// `limit`); the other levels keep theirs. `seed` picks among near-best moves.
// 例: levelLimits(8).nodes == 0 and levelLimits(8).seconds == 1.0, as Limits{}.
Limits levelLimits(int level, std::uint64_t strongestNodes = 0, std::uint64_t seed = 0);

}  // namespace search
