// The piece sets, board images, the window's fit and the page on how to
// play: every kind drawn apart from every other on both sides, today's
// Japanese surface kept to the pixel, images written headless, a first
// window that fits a small screen at twice the scale.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QPainter>
#include <QProcess>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <set>

#include "app/board/image_export.h"
#include "app/board/last_move_layer.h"
#include "app/board/surface_view.h"
#include "app/board/teaching_layers.h"
#include "app/dialogs/how_to_play.h"
#include "app/language/language.h"
#include "app/panel/beside_board.h"
#include "app/panel/side_panel.h"
#include "app/window/window_fit.h"
#include "control/commands.h"
#include "control/record_jump.h"
#include "display/board_drawing.h"
#include "game_window.h"
#include "record/kifu_format.h"

using namespace state;

using app::PieceSet;
using testing_support::GameWindow;

namespace {

QByteArray hashOf(const QImage& image) {
    const QImage i = image.convertToFormat(QImage::Format_ARGB32);
    return QCryptographicHash::hash(QByteArrayView(i.constBits(), i.sizeInBytes()), QCryptographicHash::Sha1)
        .toHex();
}

// Every image of both sides, promoted ones and both royal pieces.
std::vector<app::DrawOp> everyPiece() {
    std::vector<app::DrawOp> ops;
    using state::Image;
    for (int n = static_cast<int>(Image::UE_HU); n <= static_cast<int>(Image::SITA_OU); ++n)
        for (int element = 0; element < 2; ++element) {
            app::DrawOp op;
            op.kind = app::DrawOp::Kind::Image;
            const int row = n - static_cast<int>(Image::UE_HU);
            op.image = state::ImageRef{static_cast<Image>(n), element, element ? 14 : 15};
            op.at = QPointF(1 + row % 9, 1 + row / 9 * 2 + element);
            op.area = app::cellRect(op.at.x(), op.at.y());
            ops.push_back(op);
        }
    return ops;
}

// Two colours the same but for the rounding of one way of painting or another.
bool nearly(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) <= 4;
}

void pressSquare(GameWindow& w, int x, int y) {
    w.pressAt(Qt::LeftButton, 690 + (x - 1) * 490 + 245, 300 + (y - 1) * 600 + 300);
}

}  // namespace

TEST(PieceSets, TheJapaneseTwoKanjiSurfaceIsTodaysToThePixel) {
    // Both pictures as drawn before the sets came.
    GameWindow w;
    w.startAndShow();
    ASSERT_EQ(w.window.pieceSet(), PieceSet::Kanji2);
    EXPECT_EQ(hashOf(w.picture()), "bc309d7ec386728a7518014d36a245e6bd563c7b");
    app::SurfacePainter painter(2.0 / 15);
    EXPECT_EQ(hashOf(painter.picture(everyPiece())), "2b94ae7b69dae888c52f30efb5c6df2173874443");
    // Away to another set and back: the same picture again.
    w.choose("PIECES_INTERNATIONAL");
    EXPECT_NE(hashOf(w.picture()), "bc309d7ec386728a7518014d36a245e6bd563c7b");
    w.choose("PIECES_KANJI2");
    EXPECT_EQ(hashOf(w.picture()), "bc309d7ec386728a7518014d36a245e6bd563c7b");
    EXPECT_TRUE(w.window.menuItem("PIECES_KANJI2")->isChecked());
    EXPECT_FALSE(w.window.menuItem("PIECES_INTERNATIONAL")->isChecked());
}

TEST(PieceSets, EachSetDrawsEveryKindOfBothSidesApart) {
    const QSize cell(66, 80);
    for (const app::PieceSetInfo& info : app::kPieceSets) {
        std::set<QByteArray> seen;
        for (int code = -15; code <= 15; ++code) {
            state::ImageRef ref;
            if (!display::駒画像(code, ref)) continue;
            const app::PieceFace face = app::faceIn(info.set, ref);
            QImage image(cell, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::white);
            QPainter p(&image);
            app::paintPiece(p, QRectF(QPointF(0, 0), QSizeF(cell)), face);
            p.end();
            EXPECT_TRUE(seen.insert(hashOf(image)).second) << info.name << " " << code;
            // Promoted kinds in red, the others not.
            const int magnitude = std::abs(code);
            EXPECT_EQ(face.red, magnitude == 2 || magnitude == 4 || magnitude == 6 || magnitude == 8 ||
                                    magnitude == 11 || magnitude == 13)
                << info.name << " " << code;
        }
        EXPECT_EQ(seen.size(), 30u) << info.name;
    }
}

TEST(BoardImage, PngAndSvgShowThePositionWithTheLastMove) {
    QTemporaryDir folder;
    GameWindow w;
    w.startAndShow();
    w.choose("START");  // two players: the Nue King jumps and nothing replies
    pressSquare(w, 5, 9);
    pressSquare(w, 5, 7);
    ASSERT_EQ(w.game().board(5, 7), -14);
    w.imagePath = folder.filePath("board.png");
    w.choose("SAVE_IMAGE");
    QImage png(w.imagePath);
    ASSERT_FALSE(png.isNull());
    const QSize expected = app::Artwork(2.0 / 15).toDevice(app::kBoardImageTwips).size();
    EXPECT_EQ(png.size(), expected);
    // The last move's squares are tinted blue: the destination more than the start.
    const auto at = [&](int x, int y) {
        const QRectF cell = app::cellRect(x, y).translated(-app::kBoardImageTwips.topLeft());
        return png.pixel((cell.topLeft() + QPointF(90, 90)).toPoint() * 2 / 15);
    };
    EXPECT_GT(qBlue(at(5, 9)), qBlue(at(4, 9)) + 20);
    EXPECT_GT(qBlue(at(5, 7)), qBlue(at(5, 9)) + 10);
    // The drawing shows the same board.
    ASSERT_EQ(app::writeBoardImage(w.window, folder.filePath("board.svg")), QString());
    QSvgRenderer svg(folder.filePath("board.svg"));
    ASSERT_TRUE(svg.isValid());
    QImage drawn(png.size(), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(Qt::white);
    QPainter p(&drawn);
    svg.render(&p);
    p.end();
    int near = 0;
    for (int y = 0; y < png.height(); y += 7)
        for (int x = 0; x < png.width(); x += 7) {
            const QRgb a = png.pixel(x, y), b = drawn.pixel(x, y);
            near += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                        std::abs(qBlue(a) - qBlue(b)) <
                    40;
        }
    EXPECT_GT(near, png.width() / 7 * (png.height() / 7) * 9 / 10);
}

TEST(BoardImage, TheGameWritesItHeadlessFromARecord) {
    QTemporaryDir folder;
    GameWindow w;
    w.startAndShow();
    w.choose("SENTE");
    pressSquare(w, 5, 9);
    pressSquare(w, 5, 7);  // and the computer replies
    ASSERT_EQ(w.game().record.counter, 2);
    const QString kifu = folder.filePath("game.kifu");
    ASSERT_FALSE(record::saveKifu(record::kifuFromRecord(w.game().record, {"", "", ""}), kifu.toStdString()));
    const auto run = [&](const QStringList& arguments, const QStringList& environment = {}) {
        QProcess game;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");  // the game chooses the offscreen platform itself
        env.remove("QT_SCALE_FACTOR");
        for (const QString& e : environment) env.insert(e.section('=', 0, 0), e.section('=', 1));
        game.setProcessEnvironment(env);
        game.start(NUEDORI_GAME, arguments);
        EXPECT_TRUE(game.waitForFinished(30000));
        const QString said = QString::fromLocal8Bit(game.readAllStandardError());
        EXPECT_EQ(game.exitCode(), 0) << said.toStdString();
        EXPECT_FALSE(said.contains("棋譜")) << said.toStdString();  // not the boxes of the record loaded
    };
    run({"--export-image", folder.filePath("1.png"), "--record", kifu, "--move", "1", "--pieces", "kanji1"});
    run({"--export-image", folder.filePath("end.svg"), "--record", kifu, "--lang", "en"});
    EXPECT_FALSE(QImage(folder.filePath("1.png")).isNull());
    EXPECT_TRUE(QSvgRenderer(folder.filePath("end.svg")).isValid());
    // At twice the scale on a 1600 x 1000 screen the whole first window fits, four fifths of its height.
    const QString screen = folder.filePath("screen.json");
    QFile json(screen);
    ASSERT_TRUE(json.open(QIODevice::WriteOnly));
    json.write(R"({"screens": [{"name": "s", "x": 0, "y": 0, "width": 1600, "height": 1000, "logicalDpi": 96,
                   "logicalBaseDpi": 96, "dpr": 1}]})");
    json.close();
    run({"--export-image", folder.filePath("window.png"), "--whole-window"},
        {"QT_SCALE_FACTOR=2", "QT_QPA_PLATFORM=offscreen:configfile=" + screen});
    const QImage window(folder.filePath("window.png"));
    ASSERT_FALSE(window.isNull());
    EXPECT_LE(window.width(), 1600);
    EXPECT_LE(window.height(), 1000);
    EXPECT_NEAR(window.height(), 800, 4);
}

TEST(WindowFit, TheBoardKeepsItsShareAndThePanelGivesWay) {
    struct Case {
        QSize window;
        bool panel;
    };
    const int bars = 40;
    const Case cases[] = {{{838, 512}, true},  {{1600, 1000}, true}, {{420, 300}, true},
                          {{300, 400}, false}, {{1000, 420}, true},  {{500, 500}, false}};
    for (const Case& c : cases) {
        const int panel = app::sidePanelWidth(c.window, bars);
        EXPECT_EQ(panel > 0, c.panel) << c.window.width() << "x" << c.window.height();
        const QSize view(c.window.width() - panel, c.window.height() - bars);
        const double smaller = std::min(c.window.width(), c.window.height());
        // A board is taller than wide: where the window is too narrow for that, the
        // panel has given way and the board is as large as the width allows.
        const double share = c.window.width() > c.window.height() ? app::kBoardShare : 0.55;
        EXPECT_GE(app::boardHeightIn(QSizeF(view)), share * smaller)
            << c.window.width() << "x" << c.window.height();
    }
    // The first window fits every screen, at its natural size where there is room.
    for (const QSize room : {QSize(800, 500), QSize(683, 384), QSize(400, 300), QSize(1280, 1024)}) {
        const QSize first = app::firstWindowSize(room, bars);
        EXPECT_LE(first.width(), room.width());
        EXPECT_LE(first.height(), room.height());
        EXPECT_GE(app::boardHeightIn(
                      QSizeF(first.width() - app::sidePanelWidth(first, bars), first.height() - bars)),
                  app::kBoardShare * std::min(first.width(), first.height()));
    }
    // A large screen: four fifths of its height, and a board of at least 550 pixels on 1600 x 1000.
    const QSize large = app::firstWindowSize({1600, 1000}, bars);
    EXPECT_EQ(large.height(), 800);
    EXPECT_GE(
        app::boardHeightIn(QSizeF(large.width() - app::sidePanelWidth(large, bars), large.height() - bars)),
        550);
}

TEST(WindowFit, F9HidesTheSidePanelAndTheBoardTakesItsRoom) {
    GameWindow w;
    w.startAndShow();
    const int before = w.window.view()->width();
    w.choose("SIDE_PANEL");
    QApplication::processEvents();
    EXPECT_FALSE(w.window.besideBoard().panel().isVisible());
    EXPECT_GT(w.window.view()->width(), before + 150);
    EXPECT_EQ(w.window.menuItem("SIDE_PANEL")->shortcut(), QKeySequence(Qt::Key_F9));
    w.choose("SIDE_PANEL");
    QApplication::processEvents();
    EXPECT_TRUE(w.window.besideBoard().panel().isVisible());
}

TEST(HowToPlay, ThePageOpensInJapaneseAndInEnglish) {
    GameWindow w;
    w.startAndShow();
    w.choose("HOW_TO_PLAY");
    auto* page = w.window.findChild<app::HowToPlay*>("HowToPlay");
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->isVisible());
    const QString japanese = page->browser()->toPlainText();
    EXPECT_TRUE(japanese.contains("鵺王の二歩")) << japanese.toStdString();
    EXPECT_TRUE(japanese.contains("U が鵺王")) << japanese.toStdString();
    for (const app::Diagram d : app::kDiagrams)
        EXPECT_FALSE(app::drawDiagram(d, PieceSet::International, 1.0).isNull());
    app::Translators::of()->use(app::Language::English);
    QApplication::processEvents();
    const QString english = page->browser()->toPlainText();
    app::Translators::of()->use(app::Language::Japanese);
    QApplication::processEvents();
    EXPECT_TRUE(english.contains("The Nue King's two steps")) << english.toStdString();
    EXPECT_TRUE(english.contains("U is the Nue King")) << english.toStdString();
    EXPECT_FALSE(english.contains("鵺王"));
    EXPECT_EQ(page->windowTitle(), "遊び方");
}

TEST(HowToPlay, TheStatusLineTellsOfTheSecondStepAndTheItemsOfTheArmies) {
    GameWindow w;
    w.startAndShow();
    EXPECT_FALSE(w.window.menuItem("SENTE")->statusTip().isEmpty());
    EXPECT_NE(w.window.menuItem("SENTE")->statusTip(), w.window.menuItem("GOTE")->statusTip());
    w.choose("START");
    pressSquare(w, 5, 9);
    pressSquare(w, 5, 8);  // one step: the Nue King waits
    ASSERT_EQ(w.game().state.stepState, 2);
    EXPECT_FALSE(w.window.statusText().isEmpty());
    pressSquare(w, 4, 7);
    ASSERT_EQ(w.game().board(4, 7), -14);
    EXPECT_TRUE(w.window.statusText().isEmpty());
}

TEST(PieceSets, TheInfluenceCountsAndTheirTintLeaveEveryLetterAsItWas) {
    const auto paint = [](QImage& image, const auto& draw) {
        QPainter p(&image);
        draw(p);
    };
    // The natural size, the size of a board 550 pixels high, and larger.
    for (const QSize cell : {QSize(33, 40), QSize(50, 61), QSize(82, 100)})
        for (const app::PieceSetInfo& info : app::kPieceSets)
            for (int code = -15; code <= 15; ++code) {
                state::ImageRef ref;
                if (!display::駒画像(code, ref)) continue;
                const app::PieceFace face = app::faceIn(info.set, ref);
                const QRectF at(QPointF(0, 0), QSizeF(cell));
                // The piece, its lettering alone, and the piece under two counts (one of two figures).
                QImage before(cell, QImage::Format_ARGB32_Premultiplied), ink(before);
                before.fill(QColor(236, 196, 120));
                ink.fill(Qt::transparent);
                paint(before, [&](QPainter& p) { app::paintPiece(p, at, face); });
                paint(ink, [&](QPainter& p) { app::paintLettering(p, at, face); });
                QImage after = before;
                paint(after, [&](QPainter& p) {
                    app::paintInfluenceSquare(p, at, 3, 12, app::ShownPiece{face, at, {}});
                });
                // Where the lettering covers a pixel whole: the same ink, but for rounding.
                int solid = 0, changed = 0;
                for (int y = 0; y < cell.height(); ++y)
                    for (int x = 0; x < cell.width(); ++x) {
                        const bool whole = qAlpha(ink.pixel(x, y)) == 255;
                        solid += whole;
                        changed += whole && !nearly(before.pixel(x, y), after.pixel(x, y));
                    }
                EXPECT_TRUE(solid > 0 && changed == 0) << info.name << " " << code << " at " << cell.width();
            }
}

TEST(BoardImage, APromotedPieceUnderTheLastMovesTintStaysRedAndNoFrameIsWritten) {
    QTemporaryDir folder;
    GameWindow w;
    w.startAndShow();
    w.choose("PIECES_INTERNATIONAL");
    // The record's last move: a promoted knight (red) takes the Nue King.
    const std::string record = NUEDORI_REVIEW_RECORD;
    w.window.run([&record](state::Game& g) { control::File1_Click(g, record); });
    w.window.run([](state::Game& g) { control::棋譜_移動(g, g.record.last); });
    const app::MarkedSquare to = w.window.besideBoard().lastMove().squares().back();
    // Under the blue tint the ink stays red (it turned purple).
    const auto red = [](const QImage& image, const QRect& area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += qRed(image.pixel(x, y)) > 150 && qGreen(image.pixel(x, y)) < 60 &&
                         qBlue(image.pixel(x, y)) < 60;
        return count;
    };
    const QRectF shownCell = w.window.view()->placement().toWidget(app::cellRect(to.x, to.y));
    EXPECT_GT(red(w.window.view()->grab().toImage(), shownCell.toRect()), 20);
    // Written as an image: the same, and the red frame of a piece picked up stays out.
    w.window.run([&to](state::Game& g) { g.port.outlineCell(state::kLightRed, to.x, to.y); });
    ASSERT_EQ(app::writeBoardImage(w.window, folder.filePath("board.png"), 2.0), QString());
    const app::Artwork art(2.0 / 15);
    const QRect cell =
        art.toDevice(app::cellRect(to.x, to.y)).translated(-art.toDevice(app::kBoardImageTwips).topLeft());
    const QImage png(folder.filePath("board.png"));
    EXPECT_GT(red(png, cell.adjusted(6, 6, -6, -6)), 80);
    EXPECT_EQ(red(png, QRect(cell.topLeft(), QSize(cell.width(), 3))), 0);
}
