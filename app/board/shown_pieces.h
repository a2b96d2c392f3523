#pragma once

#include <QColor>
#include <QRectF>
#include <QTransform>

#include <optional>

#include "app/board/artwork.h"
#include "app/board/piece_sets.h"

class QPainter;

namespace app {

class DrawingSurface;

// A piece as the surface shows it, for a layer painted over its square.
struct ShownPiece {
    PieceFace face;
    QRectF cell;           // where its image is painted, in the picture's device pixels
    QTransform toPainter;  // from those pixels to the layer's painter
};

// The pieces the surface shows, as its calls drew them, for the layers that
// tint squares: a tint goes under a piece's lettering, and the influence
// view's counts go where the piece leaves room.
class ShownPieces {
public:
    // None known: a tint lies over whatever is there.
    ShownPieces() = default;
    // The surface painted at `devicePerTwip`, its device pixels mapped onto
    // the layer's painter by `toPainter`.
    ShownPieces(const DrawingSurface& surface, PieceSet set, double devicePerTwip, QTransform toPainter)
        : surface_(&surface), set_(set), k_(devicePerTwip), toPainter_(toPainter) {}

    // The piece standing on board square (x, y), if one is drawn there.
    std::optional<ShownPiece> at(int x, int y) const;

private:
    const DrawingSurface* surface_ = nullptr;
    PieceSet set_ = PieceSet::Kanji2;
    double k_ = 1;
    QTransform toPainter_;
};

// Fills `area` of the painter with a see-through tint, then paints the
// lettering of the piece there over it again: under any tint a letter or a
// kanji keeps its ink, the red of a promoted piece included.
void tintUnderLettering(QPainter& p, const QRectF& area, const QColor& tint,
                        const std::optional<ShownPiece>& piece);

}  // namespace app
