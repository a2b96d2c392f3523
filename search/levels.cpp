#include "search/levels.h"

#include <cassert>

namespace search {

const LevelSettings& levelSettings(int level) {
    assert(isSearchLevel(level));
    return kLevelSettings[static_cast<std::size_t>(level - kFirstSearchLevel)];
}

Limits levelLimits(int level, std::uint64_t strongestNodes, std::uint64_t seed) {
    const LevelSettings& s = levelSettings(level);
    Limits l;
    l.nodes = level == kStrongestLevel ? strongestNodes : s.nodes;
    l.depth = s.depth;
    l.margin = s.margin;
    l.seed = seed;
    return l;
}

}  // namespace search
