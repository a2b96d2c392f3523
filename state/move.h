#pragma once

namespace state {

// One move of the game, as every layer passes it: where the piece starts and
// where it goes, for a Nue King's two king steps the square it steps on to,
// and the pieces a record entry holds. A record entry is a move without a
// second step; a Nue King's two-step move covers two entries, both with the
// Nue King as moved and placed piece.
// 例: a lower pawn (3, 7) -> (3, 6) is {3, 7, 3, 6, false, 0, 0, -1, -1, 0, 0}
struct Move {
    int fromX = 0, fromY = 0;
    int toX = 0, toY = 0;
    bool twoStep = false;  // a second king step follows, to (toX2, toY2)
    int toX2 = 0, toY2 = 0;
    int moved = 0;      // the code on the source square
    int placed = 0;     // the code put on the destination: promoted or not
    int captured = 0;   // what stood on (toX, toY), 0 for nothing
    int captured2 = 0;  // what stood on (toX2, toY2) on the second step

    // Where the piece ends the move.
    constexpr int lastX() const { return twoStep ? toX2 : toX; }
    constexpr int lastY() const { return twoStep ? toY2 : toY; }
    // +1 for the upper side's move, -1 for the lower side's.
    constexpr int side() const { return moved >= 1 ? 1 : -1; }
    constexpr bool promotes() const { return placed != moved; }

    // A move as the record's entries hold it: its first (or only) step, and
    // a Nue King's second step (the Nue King moves and stays itself).
    constexpr Move firstStep() const {
        return twoStep ? Move{fromX, fromY, toX, toY, false, 0, 0, moved, moved, captured, 0} : *this;
    }
    constexpr Move secondStep() const {
        return Move{toX, toY, toX2, toY2, false, 0, 0, moved, placed, captured2, 0};
    }
    // The same squares: from, through and to, whatever the move promotes or takes.
    constexpr bool sameSquares(const Move& o) const {
        return fromX == o.fromX && fromY == o.fromY && toX == o.toX && toY == o.toY && twoStep == o.twoStep &&
               toX2 == o.toX2 && toY2 == o.toY2;
    }

    friend constexpr bool operator==(const Move&, const Move&) = default;
};

// The same move turned about with the board: squares mirrored through the
// centre, owners exchanged.
constexpr Move turned(Move m) {
    const auto mirror = [](int c) { return c == 0 ? 0 : 10 - c; };
    return Move{mirror(m.fromX), mirror(m.fromY), mirror(m.toX), mirror(m.toY), m.twoStep,   mirror(m.toX2),
                mirror(m.toY2),  -m.moved,        -m.placed,     -m.captured,   -m.captured2};
}

}  // namespace state
