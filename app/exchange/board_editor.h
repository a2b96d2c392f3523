#pragma once

#include <QDialog>

#include <functional>

#include "app/board/piece_sets.h"
#include "record/exchange.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace app {

class EditorBoard;

// 局面 → 局面編集: a position set up by hand, in a dialog of its own beside
// the game's board, which it leaves as it is. The board (mouse and keys, see
// EditorBoard), a palette of both sides' pieces and an eraser, the board
// cleared, the two start positions, the side to move, and the position text
// of the position as it stands, which may be typed or pasted over. Leaving
// with OK checks the position (record/position_check.h): while it has a
// fault, `tell` is given what is wrong, one fault a line, and the dialog
// stays open.
class BoardEditor : public QDialog {
public:
    BoardEditor(QWidget* parent, const record::TextPosition& start, PieceSet set,
                std::function<void(const QString&)> tell);

    record::TextPosition position() const;
    void setPosition(const record::TextPosition& p);

    EditorBoard* board() const { return board_; }
    QLineEdit* textBox() const { return text_; }
    QLabel* textFault() const { return textFault_; }
    QLabel* problems() const { return problems_; }

    void done(int result) override;

private:
    QWidget* makePalette(PieceSet set);
    QWidget* makeSideAndStarts();
    void boardChanged();
    void textEdited(const QString& text);

    EditorBoard* board_ = nullptr;
    QButtonGroup* tools_ = nullptr;
    QRadioButton* lowerToMove_ = nullptr;
    QRadioButton* upperToMove_ = nullptr;
    QLineEdit* text_ = nullptr;
    QLabel* textFault_ = nullptr;
    QLabel* problems_ = nullptr;
    int moveNumber_ = 1;
    std::function<void(const QString&)> tell_;
};

}  // namespace app
