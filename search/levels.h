#pragma once

#include <array>
#include <cstdint>

#include "search/search.h"

namespace search {

// The computer's search levels, 4 to 8. Level 8 is the full search, about a
// second a move; each level below it thinks about a fixed number of
// positions, and the lower ones play any move near the best, so that each
// level scores about 70 % against the one below it (tools/ladder_match.py
// measures it; the README shows the table). Levels 1 to 3 are the one-move
// player's (engine/), not these.
inline constexpr int kFirstSearchLevel = 4;
inline constexpr int kStrongestLevel = 8;

constexpr bool isSearchLevel(int level) { return level >= kFirstSearchLevel && level <= kStrongestLevel; }

// How one search level thinks about a move.
struct LevelSettings {
    std::uint64_t nodes;  // positions a move; 0: the time of Limits (level 8)
    int depth;            // the deepest iteration
    int margin;           // the near-best choice, in hundredths of a pawn; 0: always the best
};

// Levels 4 to 8, in order. Level 4 looks one move ahead (with the captures
// that follow) and plays any move within a pawn of the best; levels 5 to 7
// search about ten times the positions of the level below, 5 and 6 with a
// narrower choice of near-best moves. The depth of 60 is no limit in practice.
inline constexpr std::array<LevelSettings, 5> kLevelSettings = {{
    {5000, 1, 100},   // 4
    {1000, 60, 30},   // 5
    {10000, 60, 15},  // 6
    {70000, 60, 0},   // 7
    {0, 60, 0},       // 8: about a second
}};

const LevelSettings& levelSettings(int level);

// The limits of a move at a search level. `strongestNodes` gives level 8 a
// node budget instead of its time (match scripts, the command line's
// `limit`); the other levels keep theirs. `seed` picks among near-best moves.
// 例: levelLimits(8).nodes == 0 and levelLimits(8).seconds == 1.0, as Limits{}.
Limits levelLimits(int level, std::uint64_t strongestNodes = 0, std::uint64_t seed = 0);

}  // namespace search
