#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <future>
#include <memory>
#include <vector>

#include "app/board/drawing_surface.h"
#include "app/board/shown_pieces.h"
#include "app/board/surface_geometry.h"

namespace app {

// The window's client area below the menu bar: shows the drawing surface
// scaled evenly and centred on green, painted at the screen's own pixel
// density, and hands mouse presses back in twips.
class SurfaceView : public QWidget {
public:
    using Press = std::function<void(int button, QPointF twips)>;
    // Paints over the shown surface, never into it, in the order added.
    using Layer = std::function<void(QPainter& p, const SurfacePlacement& place)>;

    SurfaceView(DrawingSurface& surface, QWidget* parent);

    void onPress(Press press) { press_ = std::move(press); }
    void onPlacementChanged(std::function<void(const SurfacePlacement&)> f) { placed_ = std::move(f); }
    void onFirstPaint(std::function<void()> f) { firstPaint_ = std::move(f); }
    void addLayer(Layer layer) { layers_.push_back(std::move(layer)); }

    SurfacePlacement placement() const { return SurfacePlacement::fit(QSizeF(size())); }

    // Starts making the artwork on another thread for the size the view will
    // have when it is first shown, while the window and the game start up.
    void prepareInBackground(QSize firstSize);

    // The pieces' faces; a change paints the whole surface afresh.
    PieceSet pieceSet() const { return set_; }
    void setPieceSet(PieceSet set);

    // Paints the whole surface afresh, as when the language of its texts changes.
    void repaintAll() {
        picture_ = QImage();
        update();
    }

    // The surface as shown now, one device pixel per pixel of the image.
    QImage shownPicture();
    // The pieces shown now, for a layer painted on the view.
    ShownPieces shownPieces() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void bringUpToDate();
    // Device pixels of the picture per twip, and where its corner stands on
    // the view: on a whole device pixel.
    double devicePerTwip() const;
    QPointF pictureOrigin() const;

    DrawingSurface& surface_;
    std::unique_ptr<SurfacePainter> painter_;
    std::future<std::unique_ptr<SurfacePainter>> preparing_;
    QImage picture_;
    Press press_;
    std::function<void(const SurfacePlacement&)> placed_;
    std::function<void()> firstPaint_;
    std::vector<Layer> layers_;
    PieceSet set_ = PieceSet::Kanji2;
};

}  // namespace app
