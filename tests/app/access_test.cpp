// The board, its squares and the move list as a screen reader finds them.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QListWidget>
#include <QTest>

#include <string>

#include "app/board/board_cursor.h"
#include "app/panel/beside_board.h"
#include "app/panel/side_panel.h"
#include "play_window.h"

namespace {

using testing_support::PlayWindow;

QAccessibleInterface* boardOf(PlayWindow& w) {
    return QAccessible::queryAccessibleInterface(w.window.view());
}

// The board's cell of a square: the squares come last, rows from the top.
QAccessibleInterface* square(PlayWindow& w, int column, int row) {
    QAccessibleInterface* board = boardOf(w);
    return board->child(board->childCount() - 81 + (row - 1) * 9 + (column - 1));
}

std::string nameOf(QAccessibleInterface* i) {
    return i ? i->text(QAccessible::Name).toStdString() : "(none)";
}

TEST(ScreenReader, SquaresAreNamedByPlaceAndPieceAndTheBoardByItsLastMove) {
    PlayWindow w;
    w.start();
    QAccessibleInterface* board = boardOf(w);
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(nameOf(board), "盤");
    EXPECT_EQ(board->role(), QAccessible::Table);
    EXPECT_EQ(nameOf(square(w, 1, 1)), "９一 香 奥");
    EXPECT_EQ(nameOf(square(w, 9, 9)), "１九 空き");
    EXPECT_EQ(nameOf(square(w, 5, 9)), "５九 鵺王 手前");
    EXPECT_EQ(square(w, 5, 9)->role(), QAccessible::Cell);
    EXPECT_EQ(square(w, 5, 9)->parent(), board);
    EXPECT_EQ(board->indexOfChild(square(w, 5, 9)), board->childCount() - 81 + 8 * 9 + 4);
    const QRect view(w.window.view()->mapToGlobal(QPoint(0, 0)), w.window.view()->size());
    EXPECT_TRUE(view.contains(square(w, 1, 1)->rect()));
    EXPECT_TRUE(view.contains(square(w, 9, 9)->rect()));
    EXPECT_LT(square(w, 1, 1)->rect().right(), square(w, 2, 1)->rect().left() + 2);

    w.choose("START");
    w.click(5, 9);
    w.click(5, 8);
    w.click(5, 7);
    EXPECT_EQ(nameOf(square(w, 5, 9)), "５九 空き");
    EXPECT_EQ(nameOf(square(w, 5, 7)), "５七 鵺王 手前");
    EXPECT_EQ(board->text(QAccessible::Value).toStdString(), "▲５八・５七鵺王");
    // The move list tells the same line.
    QAccessibleInterface* list =
        QAccessible::queryAccessibleInterface(w.window.besideBoard().panel().moveList());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(nameOf(list), "棋譜");
    bool listed = false;
    for (int i = 0; i < list->childCount(); ++i)
        listed = listed || list->child(i)->text(QAccessible::Name).contains("▲５八・５七鵺王");
    EXPECT_TRUE(listed);
}

TEST(ScreenReader, TheCursorsSquareIsTheFocusedOneWhileTheBoardHasTheKeys) {
    PlayWindow w;
    w.start();
    QApplication::setActiveWindow(&w.window);
    QAccessibleInterface* board = boardOf(w);
    EXPECT_FALSE(square(w, 5, 5)->state().focused);
    w.window.view()->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(w.window.view()->hasFocus());
    EXPECT_EQ(board->focusChild(), square(w, 5, 5));
    EXPECT_TRUE(square(w, 5, 5)->state().focused);
    QTest::keyClick(w.window.view(), Qt::Key_Up);
    QTest::keyClick(w.window.view(), Qt::Key_Right);
    EXPECT_EQ(nameOf(board->focusChild()), "４四 空き");
    EXPECT_FALSE(square(w, 5, 5)->state().focused);
}

}  // namespace
