#include "app/board/last_move_layer.h"

#include <QPainter>

namespace app {

namespace {

// The tint stays this far inside the square, where no outline is drawn.
constexpr double kInsetTwips = 70;

QColor tintOf(MarkedSquare::Role role) {
    switch (role) {
        case MarkedSquare::Role::From: return QColor(40, 110, 255, 55);
        case MarkedSquare::Role::Passed: return QColor(40, 110, 255, 80);
        case MarkedSquare::Role::To: return QColor(40, 110, 255, 115);
    }
    return {};
}

}  // namespace

std::vector<MarkedSquare> lastMoveSquares(const state::MoveRecord& r,
                                          const std::vector<record::NotationLine>& lines) {
    const int line = record::表記行(lines, r.counter);
    if (line == 0) return {};
    const record::NotationLine& move = lines[static_cast<std::size_t>(line - 1)];
    std::vector<MarkedSquare> squares{{r.fromX[move.first], r.fromY[move.first], MarkedSquare::Role::From}};
    for (int k = move.first; k <= move.last; ++k)
        squares.push_back(
            {r.toX[k], r.toY[k], k == move.last ? MarkedSquare::Role::To : MarkedSquare::Role::Passed});
    return squares;
}

void LastMoveLayer::paint(QPainter& p, const SurfacePlacement& place, const ShownPieces& pieces) const {
    for (const MarkedSquare& s : squares_) {
        const QRectF inner =
            cellRect(s.x, s.y).adjusted(kInsetTwips, kInsetTwips, -kInsetTwips, -kInsetTwips);
        tintUnderLettering(p, place.toWidget(inner), tintOf(s.role), pieces.at(s.x, s.y));
    }
}

}  // namespace app
