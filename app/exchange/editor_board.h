#pragma once

#include <QPoint>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

#include "app/board/piece_sets.h"
#include "state/pieces.h"

namespace app {

class Artwork;

// The board of the board editor: the position drawn by the game's artwork,
// with the square of the keyboard's cursor. The mouse's left button puts the
// palette's piece on a square (or takes it off when it is already there),
// the right button promotes the piece there or turns it back. The keys: the
// arrows move the cursor; P L N S G B R K U put the lower side's pawn,
// lance, knight, silver, gold, bishop, rook, king or Nue King there, with
// Shift the upper side's; + promotes or turns back; Delete and Backspace
// clear the square; Enter and Space put the palette's piece.
class EditorBoard : public QWidget {
public:
    explicit EditorBoard(QWidget* parent);
    ~EditorBoard() override;

    const state::Board& board() const { return board_; }
    void setBoard(const state::Board& board);
    void setPieceSet(PieceSet set);
    // The palette's piece (its code; 0 clears squares).
    int tool() const { return tool_; }
    void setTool(int code) { tool_ = code; }
    QPoint cursorSquare() const { return {cursorX_, cursorY_}; }
    // Told after every change of the board the player made here.
    void onChanged(std::function<void()> f) { changed_ = std::move(f); }

    // What the mouse and the keys do, square by square.
    void put(int x, int y, int code);
    void promote(int x, int y);
    // The square under a point of the widget, if any.
    std::optional<QPoint> squareAt(QPointF point) const;
    QRectF squareRect(int x, int y) const;

    QSize sizeHint() const override { return {470, 520}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int w) const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    double devicePerTwip() const;
    QPointF origin() const;  // where the board's top left corner stands in the widget
    void changed();

    // The artwork at the size drawn last, kept while the size and the set stay.
    Artwork& artwork(double devicePerPixel);

    std::unique_ptr<Artwork> art_;
    double artScale_ = 0;
    state::Board board_;
    PieceSet set_ = PieceSet::Kanji2;
    int tool_ = -state::歩;
    int cursorX_ = 5, cursorY_ = 5;
    std::function<void()> changed_;
};

// The promoted kind of a piece and back (歩 and と, 飛 and 龍 ...), the owner
// kept; a piece that does not promote is itself.
// 例: promotionToggled(-1) == -2, promotionToggled(11) == 10, promotionToggled(9) == 9
int promotionToggled(int code);

}  // namespace app
