// The piece sets: every kind drawn apart from every other on both sides, and
// today's Japanese surface kept to the pixel.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QPainter>

#include "app/drawing_surface.h"
#include "app/surface_geometry.h"
#include "app/surface_view.h"
#include "game_window.h"

using testing_support::GameWindow;

namespace {

QByteArray hashOf(const QImage& image) {
    const QImage i = image.convertToFormat(QImage::Format_ARGB32);
    return QCryptographicHash::hash(QByteArrayView(i.constBits(), i.sizeInBytes()), QCryptographicHash::Sha1)
        .toHex();
}

// Every image of both sides, promoted ones and both royal pieces, on a row each.
std::vector<app::DrawOp> everyPiece() {
    std::vector<app::DrawOp> ops;
    using control::Image;
    for (int n = static_cast<int>(Image::UE_HU); n <= static_cast<int>(Image::SITA_OU); ++n)
        for (int element = 0; element < 2; ++element) {
            app::DrawOp op;
            op.kind = app::DrawOp::Kind::Image;
            const int row = n - static_cast<int>(Image::UE_HU);
            op.image = control::ImageRef{static_cast<Image>(n), element, element ? 14 : 15};
            op.at = QPointF(1 + row % 9 + element * 0, 1 + row / 9 * 2 + element);
            op.area = app::cellRect(op.at.x(), op.at.y());
            ops.push_back(op);
        }
    return ops;
}

}  // namespace

TEST(PieceSets, TheJapaneseTwoKanjiSurfaceIsTodaysToThePixel) {
    GameWindow w;
    w.startAndShow();
    std::printf("start %s\n", hashOf(w.picture()).constData());
    app::SurfacePainter painter(2.0 / 15);
    std::printf("pieces %s\n", hashOf(painter.picture(everyPiece())).constData());
}
TEST(PieceSets, Debug) {
    GameWindow w;
    w.startAndShow();
    std::printf("view %d %d scale %f win %d %d\n", w.window.view()->width(), w.window.view()->height(), w.window.view()->placement().scale, w.window.width(), w.window.height());
}
