// Play without a mouse: the board's cursor and its keys, Tab between the
// board and the side panel, and a whole game against the computer by keys.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QWidget>

#include <cstdlib>
#include <optional>
#include <random>
#include <utility>
#include <vector>

#include "app/board/board_cursor.h"
#include "app/board/surface_view.h"
#include "app/panel/beside_board.h"
#include "app/panel/side_panel.h"
#include "play_window.h"
#include "positions.h"
#include "rules/move_check.h"
#include "state/geometry.h"

namespace {

using testing_support::Move;
using testing_support::PlayWindow;

struct Pressed {
    int button;
    QPointF twips;
};

TEST(BoardCursor, ArrowsStopAtTheEdgesAndEnterOrSpacePressTheMiddleOfTheSquare) {
    QWidget view;
    std::vector<Pressed> presses;
    app::BoardCursor cursor(view, [&](int button, QPointF twips) { presses.push_back({button, twips}); });
    for (int i = 0; i < 6; ++i) QTest::keyClick(&view, Qt::Key_Left);
    for (int i = 0; i < 6; ++i) QTest::keyClick(&view, Qt::Key_Down);
    EXPECT_EQ(std::make_pair(cursor.column(), cursor.row()), std::make_pair(1, 9));
    QTest::keyClick(&view, Qt::Key_Right);
    QTest::keyClick(&view, Qt::Key_Up);
    QTest::keyClick(&view, Qt::Key_Return);
    QTest::keyClick(&view, Qt::Key_Enter, Qt::ShiftModifier | Qt::KeypadModifier);
    QTest::keyClick(&view, Qt::Key_Space);
    QTest::keyClick(&view, Qt::Key_Return, Qt::ControlModifier);  // not the board's
    ASSERT_EQ(presses.size(), 3u);
    const QPointF middle(state::middleX(2), state::middleY(8));
    EXPECT_EQ(presses[0].button, state::kLeftButton);
    EXPECT_EQ(presses[1].button, state::kRightButton);
    EXPECT_EQ(presses[2].button, state::kLeftButton);
    for (const Pressed& p : presses) EXPECT_EQ(p.twips, middle);
    for (int i = 0; i < 9; ++i) QTest::keyClick(&view, Qt::Key_Up);
    for (int i = 0; i < 9; ++i) QTest::keyClick(&view, Qt::Key_Right);
    EXPECT_EQ(std::make_pair(cursor.column(), cursor.row()), std::make_pair(9, 1));
}

// Keys as the player types them: to whatever has the focus.
void key(PlayWindow& w, Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : &w.window, k, modifiers);
}

void cursorTo(PlayWindow& w, int x, int y) {
    app::BoardCursor& c = w.window.cursor();
    while (c.column() != x) key(w, c.column() < x ? Qt::Key_Right : Qt::Key_Left);
    while (c.row() != y) key(w, c.row() < y ? Qt::Key_Down : Qt::Key_Up);
}

void pressOn(PlayWindow& w, int x, int y) {
    cursorTo(w, x, y);
    key(w, Qt::Key_Return);
}

void pressOn(PlayWindow& w, std::pair<int, int> square) { pressOn(w, square.first, square.second); }

// Tab goes round the board and the side panel, whichever the window starts with.
void tabToTheBoard(PlayWindow& w) {
    for (int i = 0; i < 2 && !w.window.view()->hasFocus(); ++i) key(w, Qt::Key_Tab);
    ASSERT_TRUE(w.window.view()->hasFocus());
}

bool isRoyal(int code) { return std::abs(code) == 14 || std::abs(code) == 15; }

// The first king step the move check allows the Nue King waiting on (x, y).
std::pair<int, int> secondStep(state::Game& g, int x, int y) {
    const int step = g.board(x, y) > 0 ? 15 : -15;
    for (int tx = x - 1; tx <= x + 1; ++tx)
        for (int ty = y - 1; ty <= y + 1; ++ty)
            if (testing_support::移動チェック(g, x, y, tx, ty, step) == state::有) return {tx, ty};
    ADD_FAILURE() << "no second step from " << x << ", " << y;
    return {x, y};
}

TEST(Keyboard, TabGivesTheBoardThenThePanelWhoseArrowsStepTheRecord) {
    PlayWindow w;
    w.start();
    QApplication::setActiveWindow(&w.window);
    key(w, Qt::Key_N, Qt::ControlModifier);
    tabToTheBoard(w);
    pressOn(w, 5, 9);
    pressOn(w, 5, 8);
    pressOn(w, 5, 7);
    const int after = w.game().record.counter;
    ASSERT_GE(after, 2);
    key(w, Qt::Key_Left);  // the board's: the cursor moves, the record stays
    EXPECT_EQ(w.game().record.counter, after);
    EXPECT_EQ(w.window.cursor().column(), 4);
    key(w, Qt::Key_Tab);
    ASSERT_TRUE(w.window.besideBoard().panel().hasFocus());
    key(w, Qt::Key_Left);
    EXPECT_LT(w.game().record.counter, after);
    key(w, Qt::Key_Tab);
    EXPECT_TRUE(w.window.view()->hasFocus());
    key(w, Qt::Key_F10);
    EXPECT_EQ(w.window.menuBar()->activeAction(), w.window.menuItem("TAIKYOKU"));
}

// Pixels of the view along a frame `inset` pixels inside a square's edge.
std::vector<QRgb> frameOf(const QImage& shown, const QRectF& square, double inset) {
    const QRect r = square.adjusted(inset, inset, -inset, -inset).toRect();
    std::vector<QRgb> out;
    for (int x = r.left() + 3; x < r.right() - 3; ++x) out.push_back(shown.pixel(x, r.top()));
    for (int y = r.top() + 3; y < r.bottom() - 3; ++y) out.push_back(shown.pixel(r.left(), y));
    return out;
}

TEST(Keyboard, TheCursorLeavesTheSelectedSquaresOutlineAsItWas) {
    PlayWindow w;
    w.start();
    QApplication::setActiveWindow(&w.window);
    w.choose("START");
    w.click(5, 9);  // the Nue King picked up: its square outlined
    ASSERT_EQ(w.game().state.selection, 1);
    app::SurfaceView& view = *w.window.view();
    const QRectF square = view.placement().toWidget(app::cellRect(5, 9));
    const double ring = 30 / app::kTwipsPerPixel * view.placement().scale;
    const QImage before = view.grab().toImage();
    tabToTheBoard(w);
    cursorTo(w, 5, 9);
    const QImage after = view.grab().toImage();
    EXPECT_EQ(frameOf(after, square, ring / 2), frameOf(before, square, ring / 2));
    EXPECT_NE(frameOf(after, square, ring + 1.5), frameOf(before, square, ring + 1.5));
}

TEST(Keyboard, AWholeGameAgainstTheComputerByKeysAlone) {
    PlayWindow w;
    w.start();
    QApplication::setActiveWindow(&w.window);
    state::Game& g = w.game();
    std::optional<std::string> end;
    w.onBox = [&end](const testing_support::SeenBox& b) {
        if (b.title == "終了") end = b.text;
    };
    key(w, Qt::Key_N, Qt::ControlModifier);  // a new game of the kind last started: 先手
    ASSERT_NE(g.state.sideToMove, 0);
    tabToTheBoard(w);
    std::mt19937 rng(7);
    int moves = 0;
    for (; moves < 300 && !end; ++moves) {
        // The Nue King takes a royal piece, else any piece, else goes anywhere.
        const std::vector<Move> all = testing_support::legalMoves(g, -1);
        ASSERT_FALSE(all.empty());
        std::vector<Move> best;
        for (const bool wanted : {true, false}) {
            for (const Move& m : all)
                if (isRoyal(g.board(m.toX, m.toY)) == wanted && g.board(m.toX, m.toY) != 0) best.push_back(m);
            if (!best.empty()) break;
        }
        const Move m = best.empty() ? all[rng() % all.size()] : best[rng() % best.size()];
        const int before = g.record.counter;
        pressOn(w, m.fromX, m.fromY);
        ASSERT_EQ(g.state.selection, 1);
        pressOn(w, m.toX, m.toY);
        if (!end && g.state.stepState == 2) pressOn(w, secondStep(g, m.toX, m.toY));
        if (!end) {
            ASSERT_GT(g.record.counter, before);
        }
    }
    ASSERT_TRUE(end) << "no end after " << moves << " moves";
    EXPECT_TRUE(*end == "あなたの勝ちです" || *end == "ｺﾝﾋﾟｭｰﾀの勝ちです" || *end == "引き分けです") << *end;
    EXPECT_GE(w.presses, 2 * moves);
}

}  // namespace
