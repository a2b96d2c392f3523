#include "app/exchange/editor_board.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <optional>

#include "app/board/artwork.h"
#include "app/board/surface_geometry.h"
#include "app/exchange/exchange_words.h"
#include "display/board_drawing.h"
#include "state/game_state.h"

namespace app {

using namespace state;

namespace {

// The board in twips, and the room for the column numbers above it and the
// row names right of it.
constexpr double kBoardWidth = 9 * kCellWidth, kBoardHeight = 9 * kCellHeight;
constexpr double kNumbersAbove = 340, kNamesRight = 420;

// The letters of the pieces, as in the position text.
int kindOfKey(int key) {
    switch (key) {
        case Qt::Key_P: return 歩;
        case Qt::Key_L: return 香;
        case Qt::Key_N: return 桂;
        case Qt::Key_S: return 銀;
        case Qt::Key_G: return 金;
        case Qt::Key_B: return 角;
        case Qt::Key_R: return 飛;
        case Qt::Key_K: return 王;
        case Qt::Key_U: return 鵺王;
        default: return 0;
    }
}

}  // namespace

int promotionToggled(int code) {
    static constexpr int kOther[] = {0, と, 歩, 成香, 香, 成桂, 桂, 成銀, 銀, 金, 龍, 飛, 馬, 角, 鵺王, 王};
    const int other = kOther[magnitude(code)];
    return code < 0 ? -other : other;
}

EditorBoard::EditorBoard(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(300, 330);
}

EditorBoard::~EditorBoard() = default;

Artwork& EditorBoard::artwork(double devicePerTwip) {
    if (!art_ || artScale_ != devicePerTwip) {
        art_ = std::make_unique<Artwork>(devicePerTwip, set_);
        artScale_ = devicePerTwip;
    }
    return *art_;
}

void EditorBoard::setBoard(const Board& board) {
    board_ = board;
    update();
}

void EditorBoard::setPieceSet(PieceSet set) {
    set_ = set;
    art_.reset();
    update();
}

void EditorBoard::put(int x, int y, int code) {
    if (!onBoard(x, y)) return;
    board_(x, y) = code;
    changed();
}

void EditorBoard::promote(int x, int y) {
    if (!onBoard(x, y) || board_(x, y) == 空) return;
    board_(x, y) = promotionToggled(board_(x, y));
    changed();
}

void EditorBoard::changed() {
    update();
    if (changed_) changed_();
}

int EditorBoard::heightForWidth(int w) const {
    return static_cast<int>(w * (kBoardHeight + kNumbersAbove) / (kBoardWidth + kNamesRight));
}

double EditorBoard::devicePerTwip() const {
    return std::min(width() / (kBoardWidth + kNamesRight), height() / (kBoardHeight + kNumbersAbove));
}

QPointF EditorBoard::origin() const {
    const double k = devicePerTwip();
    const double left = (width() - (kBoardWidth + kNamesRight) * k) / 2;
    return {left, kNumbersAbove * k};
}

QRectF EditorBoard::squareRect(int x, int y) const {
    const double k = devicePerTwip();
    return {origin() + QPointF((x - 1) * kCellWidth * k, (y - 1) * kCellHeight * k),
            QSizeF(kCellWidth * k, kCellHeight * k)};
}

std::optional<QPoint> EditorBoard::squareAt(QPointF point) const {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (squareRect(x, y).contains(point)) return QPoint(x, y);
    return std::nullopt;
}

void EditorBoard::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const double k = devicePerTwip();
    Artwork& art = artwork(k * devicePixelRatioF());
    p.save();
    // The artwork draws in device pixels at the surface's place of the board.
    p.scale(1 / devicePixelRatioF(), 1 / devicePixelRatioF());
    const QPoint at = art.toDevice(QRectF(cellToTwips(1, 1), QSizeF(1, 1))).topLeft();
    p.translate((origin() * devicePixelRatioF()).toPoint() - at);
    art.drawBoard(p);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            ImageRef image;
            if (display::駒画像(board_(x, y), image)) art.drawPiece(p, x, y, faceIn(set_, image));
        }
    p.restore();
    QFont font = p.font();
    font.setPixelSize(std::max(8, static_cast<int>(220 * k)));
    p.setFont(font);
    for (int i = 1; i <= 9; ++i) {
        const QRectF column = squareRect(i, 1).translated(0, -kNumbersAbove * k);
        p.drawText(QRectF(column.topLeft(), QSizeF(column.width(), kNumbersAbove * k)), Qt::AlignCenter,
                   QString::number(10 - i));
        const QRectF row = squareRect(9, i).translated(kCellWidth * k, 0);
        const QString name = squareName(1, i).mid(1);
        p.drawText(QRectF(row.topLeft(), QSizeF(kNamesRight * k, row.height())), Qt::AlignCenter, name);
    }
    if (hasFocus()) {
        p.setPen(QPen(paletteColour(kLightRed), std::max(2.0, 40 * k)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(squareRect(cursorX_, cursorY_).adjusted(1, 1, -1, -1));
    }
}

void EditorBoard::mousePressEvent(QMouseEvent* e) {
    const std::optional<QPoint> square = squareAt(e->position());
    if (!square) return;
    cursorX_ = square->x();
    cursorY_ = square->y();
    if (e->button() == Qt::RightButton) return promote(cursorX_, cursorY_);
    if (e->button() != Qt::LeftButton) return;
    put(cursorX_, cursorY_, board_(cursorX_, cursorY_) == tool_ ? 空 : tool_);
}

void EditorBoard::keyPressEvent(QKeyEvent* e) {
    const int key = e->key();
    const auto move = [this](int dx, int dy) {
        cursorX_ = std::clamp(cursorX_ + dx, 1, 9);
        cursorY_ = std::clamp(cursorY_ + dy, 1, 9);
        update();
    };
    if (key == Qt::Key_Left) return move(-1, 0);
    if (key == Qt::Key_Right) return move(1, 0);
    if (key == Qt::Key_Up) return move(0, -1);
    if (key == Qt::Key_Down) return move(0, 1);
    if (key == Qt::Key_Plus || e->text() == "+") return promote(cursorX_, cursorY_);
    if (key == Qt::Key_Delete || key == Qt::Key_Backspace) return put(cursorX_, cursorY_, 空);
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
        return put(cursorX_, cursorY_, tool_);
    const int kind = (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) ? 0 : kindOfKey(key);
    if (kind == 0) return QWidget::keyPressEvent(e);
    put(cursorX_, cursorY_, (e->modifiers() & Qt::ShiftModifier) ? kind : -kind);
}

}  // namespace app
