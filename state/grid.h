#pragma once

#include <array>
#include <cassert>

namespace state {

// A 10 x 10 array indexed (X, Y). Only 1..9 are squares; row and column 0 are
// never written, so a read there gives 0 (several evaluation terms read (0, 0)
// or column 0 when no piece was recorded, and rely on that).
template <typename T>
struct Grid {
    std::array<std::array<T, 10>, 10> at{};

    // Indices 0..9 only: a square off the grid would write over a neighbour.
    constexpr T& operator()(int x, int y) {
        assert(0 <= x && x <= 9 && 0 <= y && y <= 9);
        return at[x][y];
    }
    constexpr const T& operator()(int x, int y) const {
        assert(0 <= x && x <= 9 && 0 <= y && y <= 9);
        return at[x][y];
    }

    // Sets squares 1..9 x 1..9 only; row and column 0 keep their 0.
    constexpr void fillSquares(T value) {
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y) at[x][y] = value;
    }

    friend constexpr bool operator==(const Grid&, const Grid&) = default;
};

inline constexpr bool onBoard(int x, int y) { return 1 <= x && x <= 9 && 1 <= y && y <= 9; }

}  // namespace state
