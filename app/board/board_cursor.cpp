#include "app/board/board_cursor.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

#include <algorithm>

#include "state/game_state.h"
#include "state/geometry.h"
#include "state/grid.h"

namespace app {

namespace {

// The frame lies between the ring 30 twips wide along the square's edge,
// where the selected square's and the teaching outlines are drawn, and the
// last move's tint 70 twips in: a black rim with a yellow line inside it,
// heavy enough to stand out on the light wood and on every set's pieces.
constexpr double kInsetTwips = 56;
constexpr double kRimTwips = 60, kLineTwips = 36;

}  // namespace

BoardCursor::BoardCursor(QWidget& view, Press press) : view_(view), press_(std::move(press)) {
    view_.setFocusPolicy(Qt::TabFocus);
    view_.installEventFilter(this);
}

void BoardCursor::moveTo(int column, int row) {
    if (!state::onBoard(column, row)) return;
    column_ = column;
    row_ = row;
    changed();
}

bool BoardCursor::shown() const { return view_.hasFocus(); }

void BoardCursor::paint(QPainter& p, const SurfacePlacement& place) const {
    if (!shown()) return;
    const QRectF frame = place.toWidget(
        cellRect(column_, row_).adjusted(kInsetTwips, kInsetTwips, -kInsetTwips, -kInsetTwips));
    const double pixels = place.scale / kTwipsPerPixel;
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, std::max(4.0, kRimTwips * pixels), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(frame);
    p.setPen(QPen(QColor(255, 220, 0), std::max(2.4, kLineTwips * pixels), Qt::SolidLine, Qt::SquareCap,
                  Qt::MiterJoin));
    p.drawRect(frame);
    p.restore();
}

bool BoardCursor::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &view_) return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::KeyPress: return takeKey(*static_cast<QKeyEvent*>(event));
        case QEvent::FocusIn:
        case QEvent::FocusOut: changed(); return false;
        default: return false;
    }
}

bool BoardCursor::takeKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    switch (key.key()) {
        case Qt::Key_Left: moveTo(column_ - 1, row_); return true;
        case Qt::Key_Right: moveTo(column_ + 1, row_); return true;
        case Qt::Key_Up: moveTo(column_, row_ - 1); return true;
        case Qt::Key_Down: moveTo(column_, row_ + 1); return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier) return false;
            if (press_)
                press_(modifiers == Qt::ShiftModifier ? state::kRightButton : state::kLeftButton,
                       QPointF(state::middleX(column_), state::middleY(row_)));
            return true;
        default: return false;
    }
}

void BoardCursor::changed() {
    view_.update();
    if (moved_) moved_();
}

}  // namespace app
