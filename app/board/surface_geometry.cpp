#include "app/board/surface_geometry.h"

#include <algorithm>

namespace app {

SurfacePlacement SurfacePlacement::fit(QSizeF widget) {
    SurfacePlacement p;
    p.scale = std::min(widget.width() / kSurfacePixels.width(), widget.height() / kSurfacePixels.height());
    if (p.scale <= 0) p.scale = 1;
    const QSizeF shown = kSurfacePixels * p.scale;
    p.origin = QPointF((widget.width() - shown.width()) / 2, (widget.height() - shown.height()) / 2);
    return p;
}

QPointF SurfacePlacement::toWidget(QPointF twips) const {
    return origin + (twips - kSurfaceTwips.topLeft()) * (scale / kTwipsPerPixel);
}

QRectF SurfacePlacement::toWidget(const QRectF& twips) const {
    return {toWidget(twips.topLeft()), toWidget(twips.bottomRight())};
}

QPointF SurfacePlacement::toTwips(QPointF widget) const {
    return kSurfaceTwips.topLeft() + (widget - origin) * (kTwipsPerPixel / scale);
}

}  // namespace app
