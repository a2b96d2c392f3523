#pragma once

#include <array>
#include <cassert>

#include "state/pieces.h"

namespace state {

// A trial on the board: the rules and the computer try a move (or lift a
// piece) to look at the position it makes, then take it back. Every square
// set through the trial gets back what stood there when the trial ends, so
// no early return can leave a tried piece behind. Two squares at most: a move
// changes no more.
class BoardTrial {
public:
    explicit BoardTrial(state::Board& board) : board_(board) {}
    BoardTrial(const BoardTrial&) = delete;
    BoardTrial& operator=(const BoardTrial&) = delete;
    ~BoardTrial() {
        for (int i = count_ - 1; i >= 0; --i) board_(x_[i], y_[i]) = saved_[i];
    }

    // Puts the code on the square, keeping what stood there.
    void set(int x, int y, int code) {
        assert(count_ < kSquares);
        x_[count_] = x;
        y_[count_] = y;
        saved_[count_] = board_(x, y);
        ++count_;
        board_(x, y) = code;
    }

    // The piece moves: the destination holds it and the source is empty.
    void move(int fromX, int fromY, int toX, int toY, int piece) {
        set(toX, toY, piece);
        set(fromX, fromY, state::空);
    }

private:
    static constexpr int kSquares = 2;
    state::Board& board_;
    std::array<int, kSquares> x_{}, y_{}, saved_{};
    int count_ = 0;
};

}  // namespace state
