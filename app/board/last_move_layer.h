#pragma once

#include <vector>

#include "app/board/shown_pieces.h"
#include "app/board/surface_geometry.h"
#include "record/notation.h"

class QPainter;

namespace app {

// A square of the move that led to the position on the board: where the
// piece started, a square a Nue King passed through, or where it stopped.
struct MarkedSquare {
    enum class Role { From, Passed, To };
    int x = 0, y = 0;
    Role role = Role::To;
    friend bool operator==(const MarkedSquare&, const MarkedSquare&) = default;
};

// The squares of the move the replay position `counter` stands after, in
// the order the piece went through them; none at the start of the record.
// 例: a Nue King (5, 9) -> (5, 8) -> (5, 7): From (5, 9), Passed (5, 8), To (5, 7)
std::vector<MarkedSquare> lastMoveSquares(const state::MoveRecord& r,
                                          const std::vector<record::NotationLine>& lines);

// The last move as a layer of the view over the surface: a tint inside each
// square, clear of its edge, so the selected square's and the teaching
// outlines show around it and it shows within them; the piece's lettering
// keeps its ink over the tint.
class LastMoveLayer {
public:
    void show(std::vector<MarkedSquare> squares) { squares_ = std::move(squares); }
    const std::vector<MarkedSquare>& squares() const { return squares_; }
    void paint(QPainter& p, const SurfacePlacement& place, const ShownPieces& pieces) const;

private:
    std::vector<MarkedSquare> squares_;
};

}  // namespace app
