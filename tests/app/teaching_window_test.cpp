// The learner's layers through the real main window: the influence view
// following the board, the safe and attacked marks of a picked-up piece, and
// the hint with its refusals.
#include <gtest/gtest.h>

#include <QAction>
#include <QTest>

#include <cstdlib>
#include <string>
#include <utility>

#include "app/board/surface_view.h"
#include "app/board/teaching_layers.h"
#include "game_window.h"
#include "positions.h"
#include "rules/move_check.h"
#include "rules/reach.h"

using testing_support::GameWindow;
using testing_support::rgb;

namespace {

double centreX(int x) { return 690 + (x - 1) * 490 + 245; }
double centreY(int y) { return 300 + (y - 1) * 600 + 300; }

void pressSquare(GameWindow& w, int x, int y) { w.pressAt(Qt::LeftButton, centreX(x), centreY(y)); }

rules::ReachCounts freshCounts(const state::Game& g) {
    state::Board copy = g.board;
    return rules::調査_利き数(copy);
}

// The view as shown, layers included, at the middle of a square.
QRgb shownAt(GameWindow& w, const QImage& shown, int x, int y) {
    const QPointF p = w.window.view()->placement().toWidget(QPointF(centreX(x), centreY(y)));
    const double dpr = w.window.view()->devicePixelRatioF();
    return shown.pixel(int(p.x() * dpr), int(p.y() * dpr));
}

QImage grabView(GameWindow& w) { return w.window.view()->grab().toImage(); }

// Every empty square, seen with the influence view on and off: tinted blue
// where the lower side leads, red where the upper side leads, untouched
// where nothing reaches. The view's counts are those of the board now.
void expectLayerFollowsTheBoard(GameWindow& w, const std::string& when) {
    app::TeachingLayers& layers = w.window.teaching();
    const rules::ReachCounts counts = freshCounts(w.game());
    ASSERT_EQ(layers.shownCounts(), counts) << when;
    QAction* item = w.window.menuItem("SEIRYOKU");
    item->setChecked(false);
    const QImage plain = grabView(w);
    item->setChecked(true);
    const QImage tinted = grabView(w);
    int compared = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            if (w.game().board(x, y) != 0) continue;
            const QRgb a = shownAt(w, plain, x, y), b = shownAt(w, tinted, x, y);
            const int lower = counts.lower(x, y), upper = counts.upper(x, y);
            const std::string at =
                when + " " + std::to_string(x) + "," + std::to_string(y) + " " + rgb(a) + rgb(b);
            if (lower == 0 && upper == 0) {
                EXPECT_EQ(a, b) << at;
                continue;
            }
            const int blueGain = qBlue(b) - qBlue(a), redGain = qRed(b) - qRed(a);
            if (lower > upper) {
                EXPECT_GT(blueGain, redGain) << at;
            } else if (upper > lower) {
                EXPECT_GT(redGain, blueGain) << at;
            }
            ++compared;
        }
    EXPECT_GT(compared, 5) << when;
}

}  // namespace

TEST(InfluenceView, OffAtStartThenFollowsMovesRepliesAndReplayAtTwoSizes) {
    GameWindow w;
    w.startAndShow();
    QAction* item = w.window.menuItem("SEIRYOKU");
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isCheckable());
    EXPECT_FALSE(item->isChecked());
    w.choose("SENTE");
    w.choose("SEIRYOKU");
    EXPECT_TRUE(w.window.teaching().influenceShown());
    expectLayerFollowsTheBoard(w, "start");

    pressSquare(w, 5, 9);
    pressSquare(w, 5, 7);  // a jump: the computer replies at once
    ASSERT_EQ(w.game().board(5, 7), -14);
    ASSERT_EQ(w.game().record.counter, 2);
    expectLayerFollowsTheBoard(w, "after the reply");

    w.choose("REPLAY");
    ASSERT_EQ(w.game().record.counter, 1);
    expectLayerFollowsTheBoard(w, "after 戻");

    w.resizeView(400, 300);
    expectLayerFollowsTheBoard(w, "small");
    w.resizeView(1254 + 40, 942);
    expectLayerFollowsTheBoard(w, "large");
}

TEST(TeachingMarks, APickedUpNueKingShowsSafeAndAttackedOneAndTwoStepLandings) {
    GameWindow w;
    w.startAndShow();
    w.choose("START");  // two players, the lower side's Nue King to move
    state::Game& g = w.game();
    g.board = state::Board{};
    g.board(5, 9) = -14;
    g.board(3, 7) = 9;  // an upper gold
    g.board(9, 1) = 15;
    pressSquare(w, 5, 9);
    ASSERT_EQ(g.state.selection, 1);
    EXPECT_TRUE(w.window.teaching().destinationMarks().empty());  // teaching mode is off

    w.choose("SIDOU");
    pressSquare(w, 5, 9);
    std::vector<app::DestinationMark> oneStep, twoStep;
    for (const app::DestinationMark& m : w.window.teaching().destinationMarks())
        (m.twoStep ? twoStep : oneStep).push_back(m);
    // Every outlined square of the block, marked attacked where the gold
    // could take the Nue King: (2..4, 8), (2, 7), (4, 7), (3, 6).
    ASSERT_EQ(oneStep.size(), 14u);
    for (const app::DestinationMark& m : oneStep) {
        const bool goldTakes = (m.y == 8 && m.x >= 2 && m.x <= 4) || (m.y == 7 && (m.x == 2 || m.x == 4)) ||
                               (m.x == 3 && m.y == 6);
        EXPECT_EQ(m.attacked, goldTakes) << m.x << "," << m.y;
    }
    // Two steps end anywhere within two squares, back home included; (3, 7)
    // is safe, the gold being taken on the way there.
    EXPECT_EQ(twoStep.size(), 15u);
    const auto find = [&](int x, int y) {
        for (const app::DestinationMark& m : twoStep)
            if (m.x == x && m.y == y) return std::optional<bool>(m.attacked);
        return std::optional<bool>();
    };
    EXPECT_EQ(find(5, 9), std::optional<bool>(false));
    EXPECT_EQ(find(3, 7), std::optional<bool>(false));
    EXPECT_EQ(find(4, 8), std::optional<bool>(true));
    EXPECT_EQ(find(5, 6), std::optional<bool>());
}

TEST(Hint, OneKeyAwayItMarksTheComputersChoiceAndChangesNothing) {
    GameWindow asked, plain;
    for (GameWindow* w : {&asked, &plain}) {
        w->startAndShow();
        w->choose("SENTE");
        w->boxes.clear();  // "MANの番です"
    }
    const state::Board board = asked.game().board;
    const state::MoveRecord record = asked.game().record;
    QTest::keyClick(&asked.window, Qt::Key_H);
    const std::optional<state::Move>& h = asked.window.teaching().hint();
    ASSERT_TRUE(h.has_value());
    // The strongest level's move: the Nue King's, a jump or two king steps.
    EXPECT_EQ(h->fromX, 5);
    EXPECT_EQ(h->fromY, 9);
    EXPECT_EQ(h->placed, -14);
    EXPECT_EQ(testing_support::移動チェック(asked.game(), 5, 9, h->toX, h->toY, -14), state::有);
    const bool jump = std::abs(h->toX - 5) == 2 || std::abs(h->toY - 9) == 2;
    EXPECT_EQ(h->twoStep, !jump);
    EXPECT_TRUE(asked.boxes.empty());
    EXPECT_TRUE(asked.window.teaching().hintText().startsWith("ヒント：５九→"));
    EXPECT_EQ(asked.game().board, board);
    EXPECT_EQ(asked.game().record.counter, record.counter);
    EXPECT_EQ(asked.game().state.sideToMove, asked.game().state.humanToken);

    // The marks go with the next press, and the computer answers the same
    // move as it would have without the hint.
    pressSquare(asked, 5, 9);
    EXPECT_FALSE(asked.window.teaching().hint().has_value());
    pressSquare(asked, 5, 7);
    pressSquare(plain, 5, 9);
    pressSquare(plain, 5, 7);
    EXPECT_EQ(asked.game().board, plain.game().board);
    EXPECT_EQ(asked.game().record.counter, plain.game().record.counter);
}

TEST(Hint, RefusedWithoutAGameDuringASecondStepAndOnTheComputersTurn) {
    GameWindow w;
    w.startAndShow();
    w.choose("HINT");
    ASSERT_EQ(w.boxes.size(), 1u);
    EXPECT_EQ(w.boxes.back().text, "「対局」で始めて下さい");
    EXPECT_EQ(w.boxes.back().title, "開始");

    w.choose("SENTE");
    pressSquare(w, 5, 9);
    pressSquare(w, 5, 8);  // a first step: the Nue King waits for its second
    ASSERT_EQ(w.game().state.stepState, 2);
    w.boxes.clear();
    QTest::keyClick(&w.window, Qt::Key_H);
    ASSERT_EQ(w.boxes.size(), 1u);
    EXPECT_EQ(w.boxes.back().text, "2手目移動中はできません！");
    EXPECT_EQ(w.boxes.back().title, "ヒント");
    EXPECT_FALSE(w.window.teaching().hint().has_value());

    pressSquare(w, 5, 9);  // back home: the computer replies
    w.game().state.sideToMove = w.game().state.comToken;
    w.boxes.clear();
    w.choose("HINT");
    ASSERT_EQ(w.boxes.size(), 1u);
    EXPECT_EQ(w.boxes.back().text, "COMの番です");
    EXPECT_FALSE(w.window.teaching().hint().has_value());
}
