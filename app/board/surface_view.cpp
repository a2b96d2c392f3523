#include "app/board/surface_view.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

#include "state/game_state.h"

namespace app {

SurfaceView::SurfaceView(DrawingSurface& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(160, 120);
}

void SurfaceView::prepareInBackground(QSize firstSize) {
    const double k = SurfacePlacement::fit(QSizeF(firstSize)).scale * devicePixelRatioF() / kTwipsPerPixel;
    preparing_ = std::async(std::launch::async, [k, set = set_] {
        auto painter = std::make_unique<SurfacePainter>(k, set);
        painter->prepare();
        return painter;
    });
}

namespace {

bool sameDensity(const std::unique_ptr<SurfacePainter>& p, double k, PieceSet set) {
    return p && std::abs(p->devicePerTwip() - k) < 1e-9 && p->pieceSet() == set;
}

}  // namespace

double SurfaceView::devicePerTwip() const { return placement().scale * devicePixelRatioF() / kTwipsPerPixel; }

QPointF SurfaceView::pictureOrigin() const {
    const double dpr = devicePixelRatioF();
    const QPointF origin = placement().origin;
    return {std::round(origin.x() * dpr) / dpr, std::round(origin.y() * dpr) / dpr};
}

ShownPieces SurfaceView::shownPieces() const {
    const double dpr = devicePixelRatioF();
    const QPointF origin = pictureOrigin();
    return ShownPieces(surface_, set_, devicePerTwip(),
                       QTransform::fromTranslate(origin.x(), origin.y()).scale(1 / dpr, 1 / dpr));
}

void SurfaceView::bringUpToDate() {
    const double k = devicePerTwip();
    bool all = false;
    std::vector<DrawOp> fresh = surface_.takeNew(all);
    if (!sameDensity(painter_, k, set_)) {
        // A new size: paint every call that still shows, at the new density,
        // with the artwork made in the background if it was made for it.
        if (preparing_.valid()) painter_ = preparing_.get();
        if (!sameDensity(painter_, k, set_)) painter_ = std::make_unique<SurfacePainter>(k, set_);
        all = true;
    }
    if (all || picture_.isNull()) {
        picture_ = painter_->picture(surface_.calls());
        return;
    }
    QPainter p(&picture_);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    for (const DrawOp& op : fresh) painter_->paint(p, op);
}

void SurfaceView::setPieceSet(PieceSet set) {
    set_ = set;
    repaintAll();
}

QImage SurfaceView::shownPicture() {
    bringUpToDate();
    return picture_;
}

void SurfaceView::paintEvent(QPaintEvent*) {
    bringUpToDate();
    const double dpr = devicePixelRatioF();
    QPainter p(this);
    p.fillRect(rect(), paletteColour(state::kGreen));
    // The picture is drawn one device pixel per pixel, from a whole device pixel.
    p.drawImage(QRectF(pictureOrigin(), QSizeF(picture_.size()) / dpr), picture_, QRectF(picture_.rect()));
    for (const Layer& layer : layers_) layer(p, placement());
    if (firstPaint_) std::exchange(firstPaint_, nullptr)();
}

void SurfaceView::mousePressEvent(QMouseEvent* e) {
    int button = 0;
    if (e->button() == Qt::LeftButton) button = state::kLeftButton;
    if (e->button() == Qt::RightButton) button = state::kRightButton;
    if (button == 0 || !press_) return;
    // The centre of the device pixel under the pointer, in twips.
    const double dpr = devicePixelRatioF();
    const QPointF pos = e->position();
    const QPointF centre((std::floor(pos.x() * dpr) + 0.5) / dpr, (std::floor(pos.y() * dpr) + 0.5) / dpr);
    press_(button, placement().toTwips(centre));
}

// The second press of a double click has come as a press of its own already;
// the double click that follows it is no further press for the game.
void SurfaceView::mouseDoubleClickEvent(QMouseEvent* e) { e->accept(); }

void SurfaceView::resizeEvent(QResizeEvent*) {
    if (placed_) placed_(placement());
    update();
}

}  // namespace app
