#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include "state/geometry.h"

namespace app {

using state::kCellHeight;
using state::kCellWidth;

// The part of the window the game draws on, in twips: from the level display
// left of the board to the end of the move texts right of it. It is shown at
// 15 twips per logical pixel (627 x 471 pixels) when the window has room.
inline constexpr QRectF kSurfaceTwips{-600, -360, 9400, 7060};
inline constexpr double kTwipsPerPixel = 15;

// The surface's natural size in logical pixels.
inline constexpr QSizeF kSurfacePixels{kSurfaceTwips.width() / kTwipsPerPixel,
                                       kSurfaceTwips.height() / kTwipsPerPixel};

// Twips of a cell position (fractions allowed). 例: cellToTwips(1, 1) == (690, 300)
inline constexpr QPointF cellToTwips(double x, double y) { return {state::twipX(x), state::twipY(y)}; }

inline constexpr QRectF cellRect(double x, double y) {
    return {cellToTwips(x, y), QSizeF(kCellWidth, kCellHeight)};
}

// Where the surface stands in a widget of the given size: scaled evenly (the
// same factor across and down) to fit, and centred.
struct SurfacePlacement {
    double scale = 1;  // widget pixels per surface pixel
    QPointF origin;    // widget position of the surface's top-left corner

    static SurfacePlacement fit(QSizeF widget);

    QPointF toWidget(QPointF twips) const;
    QRectF toWidget(const QRectF& twips) const;
    QPointF toTwips(QPointF widget) const;
};

}  // namespace app
