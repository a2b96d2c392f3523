#pragma once

#include <array>

namespace state {

// The move record: entries 1..500 describe moves, entry 0 none (its placed
// piece is +1 after every game start, which the recapture rule reads).
struct MoveRecord {
    static constexpr int kCapacity = 500;

    int counter = 0;  // moves recorded so far, or the replay position
    int last = 0;     // number of the last recorded move: the end of the record
    std::array<int, kCapacity + 1> fromX{};
    std::array<int, kCapacity + 1> fromY{};
    std::array<int, kCapacity + 1> toX{};
    std::array<int, kCapacity + 1> toY{};
    std::array<int, kCapacity + 1> moved{};
    std::array<int, kCapacity + 1> placed{};
    std::array<int, kCapacity + 1> captured{};
    // Entry k is the second step of the Nue King's two-step move that began
    // at entry k - 1: the two entries are one move.
    std::array<bool, kCapacity + 1> secondStep{};

    bool full() const { return counter >= kCapacity; }
};

}  // namespace state
