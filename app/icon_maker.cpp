// Draws the game's icon, the Nue King's piece, as a PNG (the build installs it).
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

#include "app/board/artwork.h"

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SIZE FILE.png\n", argv[0]);
        return 2;
    }
    const int size = std::atoi(argv[1]);
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    {
        QPainter p(&icon);
        // A cell is 490 x 600: the tallest cell that fits the square, centred.
        const double width = size * 490.0 / 600.0 * 1.1, height = size * 1.1;
        const QRectF cell((size - width) / 2, (size - height) / 2 - size * 0.02, width, height);
        app::paintPiece(p, cell, app::PieceFace{"鵺", false, 1.0, false});
    }
    return icon.save(argv[2]) ? 0 : 1;
}
