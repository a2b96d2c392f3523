#include "app/window/window_fit.h"

#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QWidget>

#include <algorithm>
#include <cmath>

#include "app/board/surface_geometry.h"

namespace app {

namespace {

// The board's height at the surface's natural size, in pixels: nine rows.
constexpr double kBoardPixels = 9 * kCellHeight / kTwipsPerPixel;

}  // namespace

double boardHeightIn(QSizeF view) { return SurfacePlacement::fit(view).scale * kBoardPixels; }

int barsHeight(const QMainWindow& window) {
    return window.menuBar()->sizeHint().height() + window.statusBar()->sizeHint().height();
}

int sidePanelWidth(QSize window, int barsHeight) {
    const int viewHeight = std::max(1, window.height() - barsHeight);
    // The scale that gives the board its share, unless the height allows less.
    const double wanted = kBoardShare * std::min(window.width(), window.height()) / kBoardPixels;
    const double scale = std::min(wanted, viewHeight / kSurfacePixels.height());
    const int viewWidth = static_cast<int>(std::ceil(scale * kSurfacePixels.width()));
    const int left = window.width() - viewWidth;
    if (left < kPanelNarrowest) return 0;
    return std::min(left, kPanelFullWidth);
}

QSize firstWindowSize(QSize available, int barsHeight) {
    // About four fifths of the screen's height, as wide as the surface's shape and the panel ask.
    const int height =
        std::max(barsHeight + 1, static_cast<int>(std::lround(kFirstWindowShare * available.height())));
    const double tall = (height - barsHeight) / kSurfacePixels.height();
    const int wide = static_cast<int>(std::ceil(tall * kSurfacePixels.width())) + kPanelFullWidth;
    if (wide <= available.width()) return QSize(wide, height);
    // A narrow screen: as wide as it is, the board as large as that allows.
    const QSize room(available.width(), height);
    const int viewWidth = room.width() - sidePanelWidth(room, barsHeight);
    const double scale =
        std::min(viewWidth / kSurfacePixels.width(), (room.height() - barsHeight) / kSurfacePixels.height());
    const int fitted = barsHeight + static_cast<int>(std::ceil(scale * kSurfacePixels.height()));
    return QSize(room.width(), std::min(room.height(), fitted));
}

PanelFit::PanelFit(QWidget& window, QWidget& panel, std::function<int()> barsHeight)
    : QObject(&window), window_(window), panel_(panel), barsHeight_(std::move(barsHeight)) {
    // The panel's own width no longer holds the window wide.
    panel_.setMinimumWidth(0);
    window_.installEventFilter(this);
}

void PanelFit::setShown(bool shown) {
    shown_ = shown;
    fit();
}

void PanelFit::fit() {
    const int width = shown_ ? sidePanelWidth(window_.size(), barsHeight_()) : 0;
    panel_.setFixedWidth(width);
    panel_.setVisible(width > 0);
}

bool PanelFit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Resize) fit();
    return QObject::eventFilter(watched, event);
}

}  // namespace app
