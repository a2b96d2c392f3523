#include "app/board/shown_pieces.h"

#include <QPainter>

#include "app/board/drawing_surface.h"

namespace app {

std::optional<ShownPiece> ShownPieces::at(int x, int y) const {
    if (surface_ == nullptr) return std::nullopt;
    const std::vector<DrawOp>& calls = surface_->calls();
    // The last image drawn on the square is the one that shows: a later
    // image or fill over the whole square has dropped the earlier ones.
    for (auto op = calls.rbegin(); op != calls.rend(); ++op) {
        if (op->kind != DrawOp::Kind::Image || op->at != QPointF(x, y)) continue;
        const PieceFace face = faceIn(set_, op->image);
        if (face.kanji.isEmpty()) return std::nullopt;
        return ShownPiece{face, Artwork(k_, set_).pieceCell(x, y), toPainter_};
    }
    return std::nullopt;
}

void tintUnderLettering(QPainter& p, const QRectF& area, const QColor& tint,
                        const std::optional<ShownPiece>& piece) {
    p.fillRect(area, tint);
    if (!piece) return;
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    p.setTransform(piece->toPainter, true);
    paintLettering(p, piece->cell, piece->face);
    p.restore();
}

}  // namespace app
