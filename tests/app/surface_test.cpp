// The drawing surface: what a full redraw shows, outlines, and how a press
// on the window becomes a point of the board.
#include <gtest/gtest.h>

#include <QPainter>

#include <cmath>

#include "app/board/drawing_surface.h"
#include "app/board/surface_geometry.h"
#include "app/board/surface_view.h"
#include "game_window.h"
#include "positions.h"
#include "rules/move_check.h"
#include "state/geometry.h"

using testing_support::GameWindow;
using testing_support::rgb;

namespace {

int luma(QRgb c) { return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000; }

// Dark (ink) pixels in the middle half of a cell: the kanji of a piece.
int inkInCell(GameWindow& w, const QImage& picture, int x, int y) {
    const QRect cell = w.artwork().cellDeviceRect(x, y);
    const QRect middle =
        cell.adjusted(cell.width() / 4, cell.height() / 4, -cell.width() / 4, -cell.height() / 4);
    int ink = 0;
    for (int py = middle.top(); py <= middle.bottom(); ++py)
        for (int px = middle.left(); px <= middle.right(); ++px) ink += luma(picture.pixel(px, py)) < 90;
    return ink;
}

// A pixel of the outline ring of a cell, halfway down its left side.
QRgb ringPixel(GameWindow& w, const QImage& picture, int x, int y) {
    const QRect cell = w.artwork().cellDeviceRect(x, y);
    return picture.pixel(cell.left(), cell.center().y());
}

int column(double twipX) { return state::columnAt(twipX); }
int row(double twipY) { return state::rowAt(twipY); }

constexpr QRgb kGreen = qRgb(0, 128, 0), kWhite = qRgb(255, 255, 255), kRed = qRgb(255, 0, 0);

}  // namespace

TEST(Surface, AFullRedrawShowsBoardPiecesTextsAndTitleOnGreen) {
    GameWindow w;
    w.startAndShow();
    const QImage picture = w.picture();
    // Green around the board.
    EXPECT_EQ(picture.pixel(w.pixelAt(-550, 6600)), kGreen);
    EXPECT_EQ(picture.pixel(w.pixelAt(5300, 5900)), kGreen);
    // An empty square: warm wood, no ink in its middle.
    const QRgb wood = picture.pixel(w.artwork().cellDeviceRect(5, 5).center());
    EXPECT_GT(qRed(wood), 200) << rgb(wood);
    EXPECT_GT(qRed(wood), qGreen(wood)) << rgb(wood);
    EXPECT_GT(qGreen(wood), qBlue(wood) + 40) << rgb(wood);
    EXPECT_EQ(inkInCell(w, picture, 5, 5), 0);
    // Pieces: the lower side's Nue King and an upper pawn show their kanji.
    ASSERT_EQ(w.game().board(5, 9), -14);
    EXPECT_GT(inkInCell(w, picture, 5, 9), 10);
    ASSERT_EQ(w.game().board(5, 3), 1);
    EXPECT_GT(inkInCell(w, picture, 5, 3), 10);
    // The grid line between two squares.
    const QRect right = w.artwork().cellDeviceRect(6, 5);
    EXPECT_LT(luma(picture.pixel(right.left(), right.center().y())), 90);
    // The level in white above the board, and the title's dark plaque.
    int white = 0;
    for (int y = w.pixelAt(0, -240).y(); y < w.pixelAt(0, 0).y(); ++y)
        for (int x = w.pixelAt(-535, 0).x(); x < w.pixelAt(-100, 0).x(); ++x)
            white += picture.pixel(x, y) == kWhite;
    EXPECT_GT(white, 10);
    const QRgb plaque = picture.pixel(w.pixelAt(5688 + 800, 300 + 880));
    EXPECT_LT(luma(plaque), 90) << rgb(plaque);
    EXPECT_NE(plaque, kGreen);

    // The window shows exactly that picture, pixel for pixel, on green.
    const QImage shown = w.window.view()->grab().toImage().convertToFormat(picture.format());
    const QPointF origin = w.window.view()->placement().origin;
    const QPoint at(int(std::round(origin.x())), int(std::round(origin.y())));
    EXPECT_EQ(shown.copy(QRect(at, picture.size())), picture);
}

TEST(Surface, ThePictureStaysSharpWhenTheWindowGrows) {
    GameWindow w;
    w.startAndShow();
    w.resizeView(1254 + 40, 942);  // twice the natural size, with room beside
    const QImage picture = w.picture();
    const double scale = w.window.view()->placement().scale;
    EXPECT_NEAR(scale, 2.0, 0.01);
    // One pixel of the picture for each pixel of the screen.
    EXPECT_EQ(picture.width(), std::lround(9400 / 15.0 * scale));
    // The grid line stays a crisp dark line, one device pixel per twip of ink.
    const QRect cell = w.artwork().cellDeviceRect(6, 5);
    EXPECT_LT(luma(picture.pixel(cell.left(), cell.center().y())), 90);
    EXPECT_GT(luma(picture.pixel(cell.left() + 3, cell.center().y())), 150);
    // Centred across, with green on both sides.
    const QImage shown = w.window.view()->grab().toImage();
    EXPECT_NEAR(w.window.view()->placement().origin.x(), (shown.width() - picture.width()) / 2.0, 1.0);
    EXPECT_EQ(shown.pixel(5, shown.height() / 2), kGreen);
    EXPECT_EQ(shown.pixel(shown.width() - 5, shown.height() / 2), kGreen);
}

TEST(Surface, TeachingModeOutlinesAPickedUpNueKing) {
    GameWindow w;
    w.startAndShow();
    const QImage before = w.picture();
    w.choose("SIDOU");
    w.choose("SENTE");  // the human moves first, with the Nue King at (5, 9)
    ASSERT_EQ(w.game().board(5, 9), -14);
    w.pressAt(Qt::LeftButton, 690 + 4 * 490 + 245, 300 + 8 * 600 + 300);
    ASSERT_EQ(w.game().state.selection, 1);
    const QImage shown = w.picture();
    int reachable = 0;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const bool reach = testing_support::移動チェック(w.game(), 5, 9, x, y, -14) == state::有;
            const bool adjacent = std::abs(x - 5) < 2 && std::abs(y - 9) < 2;
            const QRgb got = ringPixel(w, shown, x, y);
            if ((x == 5 && y == 9) || (reach && adjacent))
                EXPECT_EQ(got, kRed) << x << "," << y << " " << rgb(got);
            else if (reach)
                EXPECT_EQ(got, kWhite) << x << "," << y << " " << rgb(got);
            else
                EXPECT_EQ(got, ringPixel(w, before, x, y)) << x << "," << y << " " << rgb(got);
            reachable += reach;
        }
    }
    EXPECT_GT(reachable, 5);
    // Teaching mode off: every outline goes, the grid lines are back as they were.
    w.choose("SIDOU");
    const QImage after = w.picture();
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const QRect cell = w.artwork().cellDeviceRect(x, y);
            for (const QPoint p :
                 {cell.topLeft(), cell.bottomRight(), QPoint(cell.left(), cell.center().y()),
                  QPoint(cell.right(), cell.center().y()), QPoint(cell.center().x(), cell.top() + 1),
                  QPoint(cell.center().x(), cell.bottom() - 1)})
                EXPECT_EQ(after.pixel(p), before.pixel(p)) << x << "," << y;
        }
}

TEST(Surface, OutlinesAwayFromTheBoardAreErasedToGreen) {
    GameWindow w;
    w.startAndShow();
    w.window.port().outlineCell(15, 11, 4);
    EXPECT_EQ(ringPixel(w, w.picture(), 11, 4), kWhite);
    w.window.port().outlineCell(2, 11, 4);
    EXPECT_EQ(ringPixel(w, w.picture(), 11, 4), kGreen);
}

TEST(Pointer, APressGivesTheSquareUnderItAtEverySize) {
    GameWindow w;
    w.startAndShow();
    struct Size {
        int width, height;
    };
    // Natural size, larger, tall and narrow (bands above and below), wide and low.
    const Size sizes[] = {{0, 0}, {1000, 900}, {700, 1300}, {1600, 560}};
    for (const Size& s : sizes) {
        if (s.width) w.resizeView(s.width, s.height);
        w.presses.clear();
        // The surface pixel that starts at twip (690, 300) is square (1, 1);
        // the one to its left is off the board.
        w.pressAt(Qt::LeftButton, 690 + 7.5, 300 + 7.5);
        w.pressAt(Qt::RightButton, 675 + 7.5, 300 + 7.5);
        w.pressAt(Qt::LeftButton, 5100 - 7.5, 5700 - 7.5);
        ASSERT_EQ(w.presses.size(), 3u) << s.width;
        EXPECT_EQ(w.presses[0].button, 1);
        EXPECT_EQ(column(w.presses[0].x), 1) << s.width << " x " << w.presses[0].x;
        EXPECT_EQ(row(w.presses[0].y), 1) << s.width << " y " << w.presses[0].y;
        EXPECT_EQ(w.presses[1].button, 2);
        EXPECT_EQ(column(w.presses[1].x), 0) << s.width << " x " << w.presses[1].x;
        EXPECT_EQ(row(w.presses[1].y), 1) << s.width;
        EXPECT_EQ(column(w.presses[2].x), 9) << s.width;
        EXPECT_EQ(row(w.presses[2].y), 9) << s.width;
        // Within one surface pixel of the point aimed at.
        EXPECT_NEAR(w.presses[0].x, 697.5, 7.5);
        EXPECT_NEAR(w.presses[0].y, 307.5, 7.5);
    }
}

TEST(Pointer, TheMiddleButtonIsNotHandedOn) {
    GameWindow w;
    w.startAndShow();
    w.pressAt(Qt::MiddleButton, 1000, 1000);
    EXPECT_TRUE(w.presses.empty());
}

TEST(Placement, TheSurfaceIsScaledEvenlyAndCentred) {
    struct Case {
        double width, height, scale, left, top;
    };
    const double w0 = 9400.0 / 15, h0 = 7060.0 / 15;
    const Case cases[] = {
        {w0, h0, 1.0, 0, 0},
        {2 * w0, 2 * h0 + 100, 2.0, 0, 50},  // room below: centred down
        {2 * w0 + 60, 2 * h0, 2.0, 30, 0},   // room beside: centred across
        {w0 / 2, h0, 0.5, 0, h0 / 4},
    };
    for (const Case& c : cases) {
        const app::SurfacePlacement p = app::SurfacePlacement::fit(QSizeF(c.width, c.height));
        EXPECT_NEAR(p.scale, c.scale, 1e-9) << c.width;
        EXPECT_NEAR(p.origin.x(), c.left, 1e-9) << c.width;
        EXPECT_NEAR(p.origin.y(), c.top, 1e-9) << c.width;
        const QPointF twips(690, 300);
        const QPointF back = p.toTwips(p.toWidget(twips));
        EXPECT_NEAR(back.x(), 690, 1e-9);
        EXPECT_NEAR(back.y(), 300, 1e-9);
    }
    EXPECT_EQ(app::cellToTwips(1, 1), QPointF(690, 300));
    EXPECT_EQ(app::cellToTwips(-1.5, 0.1), QPointF(-535, -240));
}

namespace {

app::DrawOp fill(double x, double y, int w, int h, int colour) {
    app::DrawOp op;
    op.kind = app::DrawOp::Kind::Fill;
    op.area = QRectF(app::cellToTwips(x, y), QSizeF(w, h));
    op.colour = colour;
    return op;
}

app::DrawOp outline(int x, int y, int colour) {
    app::DrawOp op;
    op.kind = app::DrawOp::Kind::Outline;
    op.area = app::cellRect(x, y);
    op.at = QPointF(x, y);
    op.colour = colour;
    return op;
}

app::DrawOp image(state::Image name, int piece, int x, int y) {
    app::DrawOp op;
    op.kind = app::DrawOp::Kind::Image;
    op.image = state::ImageRef{name, 0, piece};
    op.at = QPointF(x, y);
    op.area = app::cellRect(x, y);
    return op;
}

app::DrawOp text(double x, double y, const char* s, int colour, int size = 12) {
    app::DrawOp op;
    op.kind = app::DrawOp::Kind::Text;
    op.at = QPointF(x, y);
    op.text = s;
    op.colour = colour;
    op.style = state::TextStyle{size, colour, false};
    op.area = app::textArea(app::cellToTwips(x, y), op.text, op.style);
    return op;
}

}  // namespace

TEST(DrawingSurfaceCalls, ACallDrawnOverEntirelyIsDropped) {
    app::DrawingSurface s;
    s.add(text(12.6, 5, "７六歩", 15));
    s.add(outline(3, 3, 12));
    s.add(fill(12.3, 5, 1250, 300, 2));  // does not reach the text's lower margin: it stays
    EXPECT_EQ(s.calls().size(), 3u);
    s.add(fill(12.3, 4.9, 1250, 500, 2));  // the whole text area, and the smaller box
    EXPECT_EQ(s.calls().size(), 2u);
    s.add(outline(3, 3, 15));  // the same cell again: the older outline goes
    s.add(outline(3, 4, 15));
    EXPECT_EQ(s.calls().size(), 3u);
    s.add(image(state::Image::KARA_MASU, 0, 3, 3));  // the square covers its outline
    ASSERT_EQ(s.calls().size(), 3u);
    EXPECT_EQ(s.calls().back().kind, app::DrawOp::Kind::Image);
    bool all = true;
    EXPECT_EQ(s.takeNew(all).size(), 7u);  // every call, for painting
    EXPECT_FALSE(all);
    EXPECT_TRUE(s.takeNew(all).empty());
}

TEST(DrawingSurfaceCalls, KeepingOnlyWhatShowsPaintsTheSamePicture) {
    // A long series of calls over one corner of the board, painted one by one
    // as they come, must give exactly the picture painted from what was kept.
    app::DrawingSurface s;
    app::SurfacePainter one(2.0 / 15), kept(2.0 / 15);
    QImage step(one.deviceSize(), QImage::Format_ARGB32_Premultiplied);
    step.fill(app::paletteColour(2));
    QPainter p(&step);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    unsigned seed = 7;
    const auto next = [&seed](int n) {
        seed = seed * 1103515245u + 12345u;
        return int((seed >> 16) % unsigned(n));
    };
    const state::Image pieces[] = {state::Image::UE_HU, state::Image::SITA_OU, state::Image::UE_RYUU};
    for (int i = 0; i < 400; ++i) {
        const int x = 1 + next(3), y = 1 + next(3);
        app::DrawOp op;
        switch (next(5)) {
            case 0:
                op = fill(x + next(10) / 10.0, y + next(10) / 10.0, 200 + next(800), 200 + next(700),
                          next(16));
                break;
            case 1: op = outline(x, y, next(2) ? 2 : 12); break;
            case 2: op = image(state::Image::KARA_MASU, 0, x, y); break;
            case 3: op = image(pieces[next(3)], next(2) ? 14 : 15, x, y); break;
            // Each text differs from the others: a reprint of the same text is
            // the next test's concern.
            default: op = text(x + next(10) / 10.0, y, std::to_string(i).c_str(), next(2) ? 0 : 15); break;
        }
        one.paint(p, op);
        s.add(op);
    }
    p.end();
    EXPECT_LT(s.calls().size(), 200u);
    EXPECT_EQ(kept.picture(s.calls()), step);
}

TEST(DrawingSurfaceCalls, AReprintedTextReplacesItsOlderCopy) {
    // The level and the coordinates are printed again at every new game;
    // the surface must neither grow with them nor darken their edges.
    app::DrawingSurface s;
    app::SurfacePainter painter(2.0 / 15);
    for (int game = 0; game < 50; ++game) {
        s.add(text(-1.5, 0.1, "LEVEL", 15));
        s.add(text(0, 0, "3", 15));
    }
    s.add(text(0, 0, "3", 0));  // another colour is another text
    ASSERT_EQ(s.calls().size(), 3u);
    const std::vector<app::DrawOp> once = {text(-1.5, 0.1, "LEVEL", 15), text(0, 0, "3", 15),
                                           text(0, 0, "3", 0)};
    EXPECT_EQ(painter.picture(s.calls()), painter.picture(once));
}

TEST(Artwork, EachImageShowsItsOwnKanji) {
    using state::Image;
    struct Case {
        state::ImageRef image;
        const char* kanji;
        bool red, upper;
    };
    const Case cases[] = {
        {{Image::UE_HU, 0, 1}, "歩", false, true},       {{Image::SITA_TO, 0, -2}, "と", true, false},
        {{Image::UE_KYOU, 0, 3}, "香", false, true},     {{Image::UE_KYOU, 1, 4}, "成香", true, true},
        {{Image::SITA_KEI, 0, -5}, "桂", false, false},  {{Image::SITA_KEI, 1, -6}, "成桂", true, false},
        {{Image::UE_GIN, 0, 7}, "銀", false, true},      {{Image::SITA_GIN, 1, -8}, "成銀", true, false},
        {{Image::SITA_KIN, 0, -9}, "金", false, false},  {{Image::UE_SYA, 0, 10}, "飛", false, true},
        {{Image::SITA_RYUU, 0, -11}, "龍", true, false}, {{Image::UE_KAKU, 0, 12}, "角", false, true},
        {{Image::SITA_UMA, 0, -13}, "馬", true, false},  {{Image::UE_OU, 0, 14}, "鵺", false, true},
        {{Image::UE_OU, 0, 15}, "王", false, true},      {{Image::SITA_OU, 0, -14}, "鵺", false, false},
        {{Image::SITA_OU, 0, -15}, "王", false, false},
    };
    for (const Case& c : cases) {
        const app::PieceFace f = app::faceOf(c.image);
        EXPECT_EQ(f.kanji, QString(c.kanji)) << c.image.piece;
        EXPECT_EQ(f.red, c.red) << c.image.piece;
        EXPECT_EQ(f.upper, c.upper) << c.image.piece;
    }
    // The kings are the largest pieces, the pawns the smallest.
    EXPECT_GT(app::faceOf({Image::UE_OU, 0, 15}).size, app::faceOf({Image::UE_SYA, 0, 10}).size);
    EXPECT_GT(app::faceOf({Image::UE_KYOU, 0, 3}).size, app::faceOf({Image::UE_HU, 0, 1}).size);
    EXPECT_TRUE(app::faceOf({Image::KARA_MASU, 0, 0}).kanji.isEmpty());
}

TEST(Artwork, UpperPiecesAreTurnedHalfAbout) {
    // The same piece for both sides: the upper one is the lower one turned 180°
    // about the square's centre (shadow apart, which falls the same way).
    const QSize size(98, 120);
    const auto draw = [&](bool upper) {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter p(&image);
        app::paintPiece(p, QRectF(QPointF(0, 0), QSizeF(size)), app::PieceFace{"金", false, 0.93, upper});
        return image;
    };
    const QImage lower = draw(false), upper = draw(true);
    // The kanji's ink (its darkest pixels) meets, give or take a pixel, when
    // one picture is turned back (turned lettering is not hinted alike), and
    // mostly not when it is not.
    const auto dark = [](const QImage& im, int x, int y) {
        return x >= 0 && y >= 0 && x < im.width() && y < im.height() && luma(im.pixel(x, y)) < 60;
    };
    const auto overlap = [&](const QImage& other) {
        int same = 0, ink = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                if (!dark(lower, x, y)) continue;
                ++ink;
                bool near = false;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) near = near || dark(other, x + dx, y + dy);
                same += near;
            }
        EXPECT_GT(ink, 100);
        return double(same) / ink;
    };
    EXPECT_GT(overlap(upper.transformed(QTransform().rotate(180))), 0.7);  // 0.82 here
    EXPECT_LT(overlap(upper), 0.5);                                        // 0.34 here
    // And the apex of the upper piece points down: its lowest part is narrow.
    EXPECT_NE(lower.pixel(size.width() / 2, 14), upper.pixel(size.width() / 2, 14));
}
