// Beside the board: the move list with its marker and its clicks, the last
// move over the board, resigning, and the keys of the record commands.
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>

#include <string>
#include <vector>

#include "app/panel/beside_board.h"
#include "app/panel/game_clocks.h"
#include "app/panel/side_panel.h"
#include "game_window.h"
#include "play_window.h"

using namespace state;

namespace {

using app::MarkedSquare;
using state::Answer;
using testing_support::PlayWindow;
using Role = MarkedSquare::Role;
using Strings = std::vector<std::string>;

app::SidePanel& panelOf(PlayWindow& w) { return w.window.besideBoard().panel(); }

// The list as shown: each line's text, "*" after the marked one, "~" after a dimmed one.
Strings shownList(PlayWindow& w) {
    const QListWidget* list = panelOf(w).moveList();
    const QColor text = list->palette().color(QPalette::Text);
    Strings out;
    for (int row = 0; row < list->count(); ++row) {
        const QListWidgetItem* item = list->item(row);
        std::string line = item->text().mid(2).toStdString();
        if (item->font().bold()) line += "*";
        if (item->foreground().color() != text) line += "~";
        out.push_back(line);
    }
    return out;
}

void clickLine(PlayWindow& w, int row) {
    QListWidget* list = panelOf(w).moveList();
    ASSERT_LT(row, list->count());
    list->scrollToItem(list->item(row));
    w.forget();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

const std::vector<MarkedSquare>& marked(PlayWindow& w) { return w.window.besideBoard().lastMove().squares(); }

// Two players from the start: the Nue King's two steps, an upper pawn, a Nue King jump.
void playThreeMoves(PlayWindow& w) {
    w.choose("START");
    w.click(5, 9);
    w.click(5, 8);
    w.click(5, 7);
    w.click(3, 3);
    w.click(3, 4);
    w.click(5, 7);
    w.click(5, 5);
    ASSERT_EQ(w.game().record.last, 4);
}

void pressKey(PlayWindow& w, int key, Qt::KeyboardModifiers modifiers = {}) {
    w.forget();
    QTest::keyClick(&w.window, static_cast<Qt::Key>(key), modifiers);
}

}  // namespace

TEST(MoveList, FollowsTheGameItsStepsAndClicks) {
    PlayWindow w;
    w.start();
    state::Game& g = w.game();
    playThreeMoves(w);
    EXPECT_EQ(shownList(w), (Strings{"開始局面", "1  ▲５八・５七鵺王", "2  △７四歩", "3  ▲５五鵺王*"}));
    EXPECT_EQ(marked(w), (std::vector<MarkedSquare>{{5, 7, Role::From}, {5, 5, Role::To}}));
    EXPECT_EQ(panelOf(w).turnLabel()->text(), "手番：△後手");

    w.choose("REPLAY");
    EXPECT_EQ(shownList(w), (Strings{"開始局面", "1  ▲５八・５七鵺王", "2  △７四歩*", "3  ▲５五鵺王~"}));
    EXPECT_EQ(marked(w), (std::vector<MarkedSquare>{{3, 3, Role::From}, {3, 4, Role::To}}));

    // To the start and to any move, as many 戻 or 進 as it takes.
    clickLine(w, 0);
    EXPECT_EQ(g.record.counter, 0);
    EXPECT_EQ(g.board, testing_support::humanFirstPosition());
    EXPECT_TRUE(marked(w).empty());
    EXPECT_TRUE(w.sound.playing(g.state.sounds.piece));  // one piece sound, the steps' own silenced
    clickLine(w, 1);
    EXPECT_EQ(g.record.counter, 2);
    EXPECT_EQ(marked(w),
              (std::vector<MarkedSquare>{{5, 9, Role::From}, {5, 8, Role::Passed}, {5, 7, Role::To}}));
    clickLine(w, 3);
    EXPECT_EQ(g.record.counter, 4);
    EXPECT_EQ(g.board, testing_support::replayed(testing_support::humanFirstPosition(), g.record, 4));

    // A new move after steps back replaces the moves after it.
    clickLine(w, 1);
    w.click(7, 3);
    w.click(7, 4);
    EXPECT_EQ(shownList(w), (Strings{"開始局面", "1  ▲５八・５七鵺王", "2  △３四歩*"}));

    // Half a two-step move: clicks are refused as 戻 and 進 are.
    w.click(5, 7);
    w.click(5, 6);
    ASSERT_EQ(g.state.stepState, 2);
    clickLine(w, 0);
    EXPECT_EQ(w.messages(), Strings{"2手目移動中はできません！|戻る|禁止"});
    EXPECT_EQ(g.record.counter, 4);

    // A reset clears the list and the last move.
    w.choose("CANCEL");
    EXPECT_EQ(shownList(w), Strings{"開始局面*"});
    EXPECT_TRUE(marked(w).empty());
}

TEST(MoveList, ALoadedRecordShowsEveryMoveFromItsStart) {
    testing_support::WorkingFolder folder;
    PlayWindow w;
    w.start();
    playThreeMoves(w);
    w.choose("KIFU_WRITE");
    w.saveAs("三手");
    w.choose("KIFU_READ");
    ASSERT_TRUE(w.clickFile("三手.棋譜"));
    ASSERT_EQ(w.game().state.kifuMode, 1);
    EXPECT_EQ(shownList(w), (Strings{"開始局面*", "1  ▲５八・５七鵺王~", "2  △７四歩~", "3  ▲５五鵺王~"}));
    EXPECT_EQ(panelOf(w).gameLabel()->text(), "棋譜再生　LEVEL3");
    EXPECT_TRUE(marked(w).empty());
    clickLine(w, 2);
    EXPECT_EQ(w.game().record.counter, 3);
    EXPECT_EQ(shownList(w)[3], "3  ▲５五鵺王~");
    // Resigning a record being replayed: there is no game to give up.
    w.forget();
    w.choose("RESIGN");
    EXPECT_EQ(w.messages(), Strings{"「対局」で始めて下さい|開始|禁止"});
}

TEST(LastMove, IsATintInsideTheSquaresThatLeavesTheOutlinesAlone) {
    PlayWindow w;
    w.start();
    playThreeMoves(w);
    w.click(5, 5);  // picks the Nue King up: its square gets the selection outline
    const QImage surface = w.window.view()->shownPicture();
    const QImage shown = w.window.view()->grab().toImage().convertToFormat(surface.format());
    const auto at = [&](double twipX, double twipY) {
        return w.window.view()->placement().toWidget(QPointF(twipX, twipY)).toPoint();
    };
    const QPointF origin = w.window.view()->placement().origin;
    const auto surfaceAt = [&](QPoint p) { return surface.pixel(p - origin.toPoint()); };
    // Inside the to-square the tint shows; on its edge the outline stays as drawn.
    const QPoint middle = at(690 + 4 * 490 + 245, 300 + 4 * 600 + 300);
    EXPECT_NE(shown.pixel(middle), surfaceAt(middle));
    const QPoint edge = at(690 + 4 * 490 + 245, 300 + 4 * 600 + 1);
    EXPECT_EQ(shown.pixel(edge), surfaceAt(edge));
    // A square of no move is left as the surface has it.
    const QPoint elsewhere = at(690 + 0 * 490 + 245, 300 + 6 * 600 + 300);
    EXPECT_EQ(shown.pixel(elsewhere), surfaceAt(elsewhere));
}

TEST(Resign, EndsEveryKindOfGameWithTheOpponentAsWinnerOrIsRefused) {
    struct Case {
        const char* kind;
        bool oneMove;  // a move first, so that the other side resigns
        const char* winner;
    };
    for (const Case& c : {Case{"SENTE", false, "ｺﾝﾋﾟｭｰﾀ"}, Case{"GOTE", false, "ｺﾝﾋﾟｭｰﾀ"},
                          Case{"START", false, "後手"}, Case{"START", true, "先手"}}) {
        SCOPED_TRACE(std::string(c.kind) + (c.oneMove ? " after a move" : ""));
        PlayWindow w;
        w.start();
        w.choose("RESIGN");
        EXPECT_EQ(w.messages(), Strings{"「対局」で始めて下さい|開始|禁止"});
        w.choose(c.kind);
        if (c.oneMove) {
            w.click(5, 9);
            w.click(5, 7);
        }
        w.forget();
        w.script = {Answer::No};  // No keeps the game
        w.choose("RESIGN");
        EXPECT_EQ(w.messages(), Strings{"投了しますか？|投了"});
        EXPECT_NE(w.game().state.sideToMove, 0);
        w.forget();
        w.script = {Answer::Yes, Answer::Ok, Answer::Yes};
        w.choose("RESIGN");
        EXPECT_EQ(w.messages(), (Strings{"投了しますか？|投了", std::string(c.winner) + "の勝ちです|終了",
                                         "続けますか？|再ゲーム"}));
        EXPECT_EQ(w.game().state.sideToMove, 0);
    }
    PlayWindow w;
    w.start();
    w.choose("SENTE");
    w.click(5, 9);
    w.click(5, 8);
    w.forget();
    w.choose("RESIGN");
    EXPECT_EQ(w.messages(), Strings{"2手目移動中はできません！|投了|禁止"});
    EXPECT_EQ(w.game().state.stepState, 2);
}

TEST(Keys, StepTheRecordOpenTheFilePanelAndStartTheLastKindOfGame) {
    PlayWindow w;
    w.start();
    state::Game& g = w.game();
    playThreeMoves(w);
    EXPECT_EQ(w.window.menuItem("STEP_BACK")->shortcut(), QKeySequence(Qt::Key_Left));
    const std::pair<int, int> steps[] = {
        {Qt::Key_Left, 3}, {Qt::Key_Home, 0}, {Qt::Key_Right, 2}, {Qt::Key_End, 4}};
    for (const auto& [key, counter] : steps) {
        pressKey(w, key);
        EXPECT_EQ(g.record.counter, counter) << key;
    }
    pressKey(w, Qt::Key_End);  // already there: nothing, not even a refusal
    EXPECT_TRUE(w.boxes.empty());
    pressKey(w, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(w.panelShows("Text1"));
    pressKey(w, Qt::Key_O, Qt::ControlModifier);
    ASSERT_TRUE(w.panelShows("File1"));
    // In the file panel's lists the arrows choose a file, not a move.
    QWidget* files = w.panel<QWidget>("File1");
    files->setFocus();
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Home, Qt::Key_Up}) QTest::keyClick(files, key);
    EXPECT_EQ(g.record.counter, 4);
    EXPECT_TRUE(w.panelShows("File1"));
    pressKey(w, Qt::Key_N, Qt::ControlModifier);  // the last kind was two players: from the start again
    EXPECT_EQ(w.messages(), Strings{"先手の番です| "});
    EXPECT_EQ(g.record.last, 0);
    w.choose("GOTE");
    pressKey(w, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(g.state.comToken, 1);
    EXPECT_EQ(g.record.last, 1);  // the computer's first move of a new game
    pressKey(w, Qt::Key_Escape);  // the first closes the file panel, still open
    EXPECT_FALSE(w.panelShows("File1"));
    EXPECT_EQ(w.quits, 0);
    pressKey(w, Qt::Key_Escape);
    EXPECT_EQ(w.quits, 1);
}

TEST(Status, ShowsTheTurnAndASignWhileTheComputerThinks) {
    testing_support::GameWindow w(0.01);  // short waits, during which the window repaints
    w.startAndShow();
    const app::SidePanel& panel = w.window.besideBoard().panel();
    EXPECT_EQ(panel.turnLabel()->text(), "手番：―");
    EXPECT_EQ(panel.gameLabel()->text(), "対局前　LEVEL3");
    bool signSeen = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] { signSeen |= !panel.thinkingSign()->text().isEmpty(); });
    watch.start(1);
    w.choose("GOTE");
    watch.stop();
    EXPECT_TRUE(signSeen);
    EXPECT_TRUE(panel.thinkingSign()->text().isEmpty());
    EXPECT_EQ(panel.turnLabel()->text(), "手番：△あなた");
    EXPECT_EQ(panel.gameLabel()->text(), "対局(COM)　LEVEL3");
}

TEST(SidePanel, AClockReadsInMinutesThenTenthsThenItsByoyomi) {
    using std::chrono::milliseconds;
    const state::TimeControl sudden{state::ClockKind::SuddenDeath, std::chrono::minutes(90), {}};
    const state::TimeControl byoyomi{state::ClockKind::Byoyomi, {}, std::chrono::seconds(30)};
    struct Case {
        state::SideTime time;
        state::TimeControl control;
        const char* reads;
    };
    const Case cases[] = {
        {{.main = milliseconds(5400000)}, sudden, "1:30:00"},
        {{.main = milliseconds(59001)}, sudden, "1:00"},  // a second begun is shown whole
        {{.main = milliseconds(10000)}, sudden, "0:10"},
        {{.main = milliseconds(9999)}, sudden, "9.9"},
        {{.main = milliseconds(50)}, sudden, "0.0"},
        {{.byoyomi = milliseconds(7250), .inByoyomi = true}, byoyomi, "秒読み 7.2"},
        {{.outOfTime = true}, byoyomi, "時間切れ"},
        {{}, {}, "持ち時間なし"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(app::clockReading(c.time, c.control).toStdString(), c.reads) << c.reads;
}
