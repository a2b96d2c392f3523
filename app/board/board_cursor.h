#pragma once

#include <QObject>
#include <QPointF>

#include <functional>

#include "app/board/surface_geometry.h"

class QKeyEvent;
class QPainter;
class QWidget;

namespace app {

// The keyboard's square on the board, for a player without a mouse. While
// the board has the focus (Tab gives it), the arrows move it one square,
// Enter or Space press the left button on it and Shift with either the
// right button (promotion); other keys, and all keys while the board has no
// focus, go on to the window as before. It is drawn, only while the board
// has the focus, as a frame between a square's edge, where the game's own
// outlines lie, and the last move's tint, so it hides neither.
class BoardCursor : public QObject {
public:
    using Press = std::function<void(int button, QPointF twips)>;

    BoardCursor(QWidget& view, Press press);

    int column() const { return column_; }
    int row() const { return row_; }
    // Puts the cursor on a square of the board (1..9 each way; others are ignored).
    void moveTo(int column, int row);
    // Told of every move of the cursor and of the board's focus coming or going.
    void onMoved(std::function<void()> f) { moved_ = std::move(f); }

    bool shown() const;
    void paint(QPainter& p, const SurfacePlacement& place) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool takeKey(const QKeyEvent& key);
    void changed();

    QWidget& view_;
    Press press_;
    std::function<void()> moved_;
    int column_ = 5, row_ = 5;  // the middle of the board until the player moves it
};

}  // namespace app
