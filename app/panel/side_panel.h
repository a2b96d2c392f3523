#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

#include "record/notation.h"
#include "state/game.h"

class QLabel;
class QListWidget;

namespace app {

// What a move's line carries besides its move: the review's grade, as a mark
// after the move and a tint behind the line.
struct LineNote {
    QString mark;
    QColor tint;  // invalid: none
};

// The player of a turn token as the panel names it: ▲ or △ (who moved
// first), then あなた or コンピュータ in a game against the computer, else
// 先手 or 後手.
QString playerWords(const state::GameState& s, int token);

// The panel right of the board: whose turn it is, the level, the kind of
// game and a sign while the computer thinks, above the move list. The list
// has a first line for the start and one line per move; the line of the
// position on the board is marked, the moves after it are dimmed while they
// can still be replayed, and a click on a line asks to go there.
class SidePanel : public QWidget {
public:
    static constexpr int kWidth = 210;

    explicit SidePanel(QWidget* parent);

    // Told the replay position (0 = the start) of a clicked line.
    void onLineClicked(std::function<void(int entry)> f) { clicked_ = std::move(f); }

    // Shows the game as it stands now.
    void follow(const state::Game& g, const std::vector<record::NotationLine>& lines, bool thinking);

    QListWidget* moveList() const { return list_; }
    QLabel* turnLabel() const { return turn_; }
    QLabel* gameLabel() const { return kind_; }
    QLabel* thinkingSign() const { return thinking_; }
    // One line on the game: which game was resumed at start-up; empty hides it.
    void setNotice(const QString& text);
    QLabel* noticeLine() const { return notice_; }
    // The marked line: 0 for the start, i for move i.
    int currentLine() const { return current_; }
    // Notes for the lines of moves 1..notes.size(); the others have none.
    void setLineNotes(std::vector<LineNote> notes);
    // A widget under the move list (the review's).
    void addBelowList(QWidget* w);
    // A widget over the move list (the clocks).
    void addAboveList(QWidget* w);

private:
    void showLines(const std::vector<record::NotationLine>& lines);
    void markLine(int line);

    QLabel* turn_ = nullptr;
    QLabel* kind_ = nullptr;
    QLabel* thinking_ = nullptr;
    QLabel* notice_ = nullptr;
    QListWidget* list_ = nullptr;
    std::vector<int> entries_{0};  // the replay position of each line
    std::vector<QString> texts_;
    std::vector<LineNote> notes_;
    int current_ = -1;
    std::function<void(int)> clicked_;
};

}  // namespace app
