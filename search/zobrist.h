#pragma once

#include <array>
#include <cstdint>

#include "search/position.h"

namespace search {

// Keys of the transposition table: one per piece code and square, one for
// the side to move. Made at compile time from a fixed seed, so every run and
// every build hashes alike.
struct ZobristKeys {
    std::array<std::array<std::uint64_t, kCells>, 31> piece{};  // index code + 15
    std::uint64_t side = 0;
};

constexpr std::uint64_t splitMix(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
}

constexpr ZobristKeys makeZobristKeys() {
    ZobristKeys k;
    std::uint64_t state = 0x4e7565446f7269ull;
    for (auto& row : k.piece)
        for (auto& key : row) key = splitMix(state);
    for (auto& key : k.piece[15]) key = 0;  // an empty square adds nothing
    k.side = splitMix(state);
    return k;
}

inline constexpr ZobristKeys kZobrist = makeZobristKeys();

inline std::uint64_t pieceKey(int code, int sq) { return kZobrist.piece[code + 15][sq]; }

}  // namespace search
