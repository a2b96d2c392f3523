// Positions and games as text through the window: a position copied in one
// window and pasted in another, then played on; a game written as KIF and
// read back, by the menu and through the file panel, and a refused file that
// leaves the game as it was; a position built in the board editor and
// played against the computer from the upper side; the review's grades as
// KIF comments.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <fstream>

#include "app/exchange/board_editor.h"
#include "app/exchange/editor_board.h"
#include "app/exchange/exchange_commands.h"
#include "app/exchange/position_choice.h"
#include "app/exchange/review_comments.h"
#include "play_window.h"
#include "positions.h"
#include "record/board_reversal.h"

using testing_support::boardText;
using testing_support::PlayWindow;
using testing_support::WorkingFolder;
using Strings = std::vector<std::string>;

namespace {

app::ExchangeCommands& exchange(PlayWindow& w) { return w.window.exchange(); }

std::string positionNow(PlayWindow& w) { return record::positionText(exchange(w).positionNow()); }

// The game as the player sees it: the position, the record's marker and end, the mode.
std::string gameState(const state::Game& g) {
    return boardText(g.board) + " " + std::to_string(g.record.counter) + "/" + std::to_string(g.record.last) +
           " side " + std::to_string(g.state.sideToMove) + " kifu " + std::to_string(g.state.kifuMode);
}

void press(QWidget* dialog, const char* button) {
    auto* b = dialog->findChild<QPushButton*>(button);
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
}

// A two-player game of two moves: the Nue King's two steps, an upper pawn.
void twoMoves(PlayWindow& w) {
    w.choose("START");
    w.click(5, 9);
    w.click(5, 8);
    w.click(5, 7);
    w.click(3, 3);
    w.click(3, 4);
    ASSERT_EQ(w.game().record.last, 3);
}

}  // namespace

TEST(ExchangeWindow, APositionCopiedInOneWindowIsPastedAndPlayedOnInAnother) {
    PlayWindow from;
    from.start();
    twoMoves(from);
    from.choose("COPY_POSITION");
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_EQ(copied, "lnsgkgsnl/1r5b1/pp1pppppp/2p6/9/9/4U4/9/9 b - 3");

    PlayWindow to;
    to.start();
    // Text that is no position: one box says why, and nothing changes.
    const std::string before = gameState(to.game());
    QGuiApplication::clipboard()->setText("lnsgkgsnl/1r5b1 b - 1");
    to.choose("PASTE_POSITION");
    EXPECT_EQ(to.messages(),
              Strings{"貼り付けた局面を読めません：盤の段が 2 段あります（9 段です）| QXぬえどり王"});
    EXPECT_EQ(gameState(to.game()), before);
    EXPECT_EQ(exchange(to).choice(), nullptr);

    QGuiApplication::clipboard()->setText(copied);
    to.forget();
    to.choose("PASTE_GAME");  // one line: a position
    EXPECT_EQ(to.messages(), Strings{});
    EXPECT_EQ(boardText(to.game().board), boardText(from.game().board));
    EXPECT_EQ(to.game().state.sideToMove, 0);  // no game yet: the choice is offered
    ASSERT_NE(exchange(to).choice(), nullptr);
    EXPECT_EQ(QString::fromStdString(positionNow(to)), copied);
    press(exchange(to).choice(), "PlayTwo");
    EXPECT_EQ(to.messages(), Strings{"先手の番です| "});
    EXPECT_EQ(QString::fromStdString(positionNow(to)), copied);
    to.click(5, 7);  // the lower side goes on where the other window stood
    to.click(5, 5);
    EXPECT_EQ(positionNow(to), "lnsgkgsnl/1r5b1/pp1pppppp/2p6/4U4/9/9/9/9 w - 4");
}

TEST(ExchangeWindow, KifWrittenAndReadBackByTheMenuAndThePanelAndARefusedFileChangesNothing) {
    WorkingFolder folder;
    PlayWindow w;
    w.start();
    twoMoves(w);
    const state::MoveRecord played = w.game().record;
    w.filePath = QString::fromStdString(folder.path + "/game.kifu");
    w.choose("KIF_EXPORT");
    const std::string kif = folder.read("game.kifu");
    EXPECT_TRUE(kif.starts_with("#KIF version=2.0 encoding=UTF-8\r\n")) << kif;
    EXPECT_NE(kif.find("   1 ５八・５七鵺王(59)\r\n"), std::string::npos) << kif;

    // A move the rules do not allow: one box with the line and the reason.
    std::string bad = kif;
    bad.replace(bad.find("(73)"), 4, "(72)");
    folder.write("bad.kifu", bad);
    PlayWindow v;
    v.start();
    v.choose("SENTE");
    v.click(5, 9);
    v.click(5, 7);
    const std::string before = gameState(v.game());
    v.forget();
    v.filePath = QString::fromStdString(folder.path + "/bad.kifu");
    v.choose("KIF_IMPORT");
    ASSERT_EQ(v.messages().size(), 1u);
    EXPECT_TRUE(v.messages()[0].starts_with("bad.kifu：")) << v.messages()[0];
    EXPECT_NE(v.messages()[0].find("行目："), std::string::npos) << v.messages()[0];
    EXPECT_EQ(gameState(v.game()), before);

    v.forget();
    v.filePath = QString::fromStdString(folder.path + "/game.kifu");
    v.choose("KIF_IMPORT");
    EXPECT_EQ(v.messages(), (Strings{" 読み込みました|棋譜", "棋譜を '進 'で進めて下さい|棋譜"}));
    EXPECT_EQ(v.game().state.kifuMode, 1);
    EXPECT_EQ(v.game().record.last, played.last);
    EXPECT_EQ(v.game().record.moved, played.moved);

    // Through the panel: a name ending in .kifu writes KIF, and a click loads it.
    v.choose("KIFU_WRITE");
    v.forget();
    v.saveAs("panel.kifu");
    EXPECT_EQ(v.messages(), Strings{"棋譜を書き込みました|  "});
    EXPECT_NE(folder.read("panel.kifu").find("   1 ５八・５七鵺王(59)\r\n"), std::string::npos);
    v.choose("KIFU_READ");
    v.forget();
    ASSERT_TRUE(v.clickFile("panel.kifu"));
    EXPECT_EQ(v.messages(), (Strings{" 読み込みました|棋譜", "棋譜を '進 'で進めて下さい|棋譜"}));
    EXPECT_EQ(v.game().record.moved, played.moved);

    // The game as KIF text on the clipboard comes back as the same game.
    v.choose("COPY_GAME");
    PlayWindow u;
    u.start();
    u.choose("PASTE_GAME");
    EXPECT_EQ(u.game().state.kifuMode, 1);
    EXPECT_EQ(u.game().record.moved, played.moved);
}

TEST(ExchangeWindow, APositionBuiltInTheEditorIsCheckedThenPlayedFromTheUpperSide) {
    PlayWindow w;
    w.start();
    w.choose("EDIT_POSITION");
    app::BoardEditor* editor = exchange(w).editor();
    ASSERT_NE(editor, nullptr);
    press(editor, "ClearBoard");
    app::EditorBoard* board = editor->board();
    // The keys: the upper king on 5a, a lower pawn on 5c, the lower Nue King on 5i.
    const auto keyAt = [board](int x, int y, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        while (board->cursorSquare().x() < x) QTest::keyClick(board, Qt::Key_Right);
        while (board->cursorSquare().x() > x) QTest::keyClick(board, Qt::Key_Left);
        while (board->cursorSquare().y() < y) QTest::keyClick(board, Qt::Key_Down);
        while (board->cursorSquare().y() > y) QTest::keyClick(board, Qt::Key_Up);
        QTest::keyClick(board, key, mods);
    };
    keyAt(5, 1, Qt::Key_K, Qt::ShiftModifier);
    keyAt(5, 3, Qt::Key_P);
    EXPECT_EQ(editor->textBox()->text(), "4k4/9/4P4/9/9/9/9/9/9 b - 1");
    // Leaving without the lower side's royal piece is refused with the reason.
    w.forget();
    editor->accept();
    EXPECT_EQ(w.messages(), Strings{"下側に王も鵺王もありません| QXぬえどり王"});
    EXPECT_EQ(exchange(w).editor(), editor);
    keyAt(5, 9, Qt::Key_U);
    keyAt(5, 3, Qt::Key_Plus);  // the pawn promotes
    // The side to move typed into the position text.
    editor->textBox()->setFocus();
    editor->textBox()->selectAll();
    QTest::keyClicks(editor->textBox(), "4k4/9/4+P4/9/9/9/9/9/4U4 w - 1");
    EXPECT_EQ(editor->position().side, 1);
    editor->accept();
    QApplication::processEvents();
    ASSERT_NE(exchange(w).choice(), nullptr);
    app::PositionChoice* choice = exchange(w).choice();
    choice->sideBox()->setCurrentIndex(1);  // the upper side's pieces
    choice->levelBox()->setCurrentIndex(0);
    w.forget();
    press(choice, "PlayComputer");
    // The board turned about: the human holds the king's side below, and is to move.
    const state::Game& g = w.game();
    EXPECT_EQ(w.messages(), Strings{"MANの番です| "});
    EXPECT_EQ(g.state.level, 1);
    EXPECT_EQ(g.state.reversed, 1);
    EXPECT_EQ(g.board(5, 9), -state::王);
    EXPECT_EQ(g.board(5, 7), state::と);
    EXPECT_EQ(g.state.sideToMove, g.state.humanToken);
    w.click(5, 9);
    w.click(4, 9);
    EXPECT_EQ(g.board(4, 9), -state::王);
    EXPECT_GE(g.record.counter, 2);  // and the computer replied
}

TEST(ExchangeWindow, TheReviewsGradesAndBetterMovesBecomeKifComments) {
    using review::Grade;
    using state::Move;
    // Three reviewed moves; a loaded comment after the third stays unless reviewed.
    const Move nueJump{5, 9, 5, 7, false, 0, 0, -state::鵺王, -state::鵺王, 0, 0};
    const Move pawn{3, 3, 3, 4, false, 0, 0, state::歩, state::歩, 0, 0};
    review::Result r;
    r.moves = {
        {1, 1, 1, -1, nueJump, nueJump, true, 0, 0, 0, Grade::Best},
        // Best within the margin, though not the search's move: no better move.
        {2, 2, 2, 1, pawn, Move{7, 3, 7, 4, false, 0, 0, state::歩, state::歩, 0, 0}, false, 0, 0, 0,
         Grade::Best},
        // The better move reaches where the previous move did: 同.
        {3, 3, 3, -1, Move{5, 7, 5, 5, false, 0, 0, -state::鵺王, -state::鵺王, 0, 0},
         Move{5, 7, 3, 4, false, 0, 0, -state::鵺王, -state::鵺王, state::歩, 0}, false, 0, 0, 0,
         Grade::Mistake},
    };
    record::KifGame game;
    game.comments = {"", "", "", "", "読み込んだ注釈"};
    app::addReviewComments(game, r, 3);
    EXPECT_EQ(game.comments, (Strings{"", "最善手", "最善手", "悪手\n最善：▲同鵺王", "読み込んだ注釈"}));
    app::addReviewComments(game, r, 1);  // only the moves the record still holds
    EXPECT_EQ(game.comments[1], "最善手");
}
