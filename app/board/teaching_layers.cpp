#include "app/board/teaching_layers.h"

#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>

#include "app/board/surface_view.h"
#include "app/language/language.h"
#include "app/window/main_window.h"
#include "control/hint.h"
#include "record/notation.h"
#include "rules/move_check.h"
#include "state/game.h"

namespace app {

namespace {

// The lower side's colour is the sky's, the upper side's the lacquer's.
const QColor kLowerColour(20, 80, 255);
const QColor kUpperColour(220, 50, 40);
const QColor kSafeColour(30, 170, 60);
const QColor kHintColour(255, 170, 0);

// A count's badge and its figure, to the cell's height and to the badge's.
constexpr double kBadgeOfCell = 0.23, kFigureOfBadge = 0.82;

// The hint's name stands below the board, where only a loaded record's
// header lines go (and no hint is given while a record is replayed).
constexpr QRectF kHintTextTwips{700, 6300, 8000, 380};

QRectF cellOnWidget(const SurfacePlacement& place, int x, int y) { return place.toWidget(cellRect(x, y)); }

// A tint that grows with the lead of one side, light enough to leave the
// piece readable; inset so the grid line and every outline stay clear.
void tintCell(QPainter& p, const QRectF& cell, int lower, int upper, const std::optional<ShownPiece>& piece) {
    if (lower == 0 && upper == 0) return;
    QColor c = lower > upper ? kLowerColour : (upper > lower ? kUpperColour : QColor(150, 80, 200));
    c.setAlpha(std::min(40 + 18 * std::abs(lower - upper), 110));
    const double in = cell.height() * 0.08;
    tintUnderLettering(p, cell.adjusted(in, in, -in, -in), c, piece);
}

// A count on a white badge, its figure growing with the board.
void badge(QPainter& p, const QRectF& box, int count, const QColor& colour) {
    if (count == 0) return;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawRoundedRect(box, box.height() * 0.25, box.height() * 0.25);
    QFont f = p.font();
    f.setPixelSize(std::max(static_cast<int>(std::lround(box.height() * kFigureOfBadge)), 5));
    f.setBold(true);
    p.setFont(f);
    p.setPen(colour);
    p.drawText(box, Qt::AlignCenter, QString::number(count));
}

}  // namespace

CountBadges countBadges(const QRectF& cell, bool upperPiece, int lower, int upper) {
    const double height = std::max(cell.height() * kBadgeOfCell, 7.0);
    const auto width = [height](int count) { return height * (count >= 10 ? 1.45 : 1.0); };
    const double in = cell.height() * 0.02;
    const double y = upperPiece ? cell.bottom() - in - height : cell.top() + in;
    return {QRectF(cell.left() + in, y, width(lower), height),
            QRectF(cell.right() - in - width(upper), y, width(upper), height)};
}

void paintInfluenceSquare(QPainter& p, const QRectF& cell, int lower, int upper,
                          const std::optional<ShownPiece>& piece) {
    tintCell(p, cell, lower, upper, piece);
    const CountBadges at = countBadges(cell, piece && piece->face.upper, lower, upper);
    badge(p, at.lower, lower, kLowerColour);
    badge(p, at.upper, upper, kUpperColour);
}

// Safe: a green ring; attacked: a red cross. A two-step landing has its mark
// in the other corner, smaller, so both can show on one square.
void paintDestinationMark(QPainter& p, const QRectF& cell, const DestinationMark& m) {
    const double side = cell.height() * (m.twoStep ? 0.2 : 0.26);
    const double in = cell.height() * 0.1;
    const QRectF box = m.twoStep ? QRectF(cell.right() - in - side, cell.bottom() - in - side, side, side)
                                 : QRectF(cell.left() + in, cell.top() + in, side, side);
    QPen pen(m.attacked ? kUpperColour : kSafeColour, std::max(side * 0.2, 1.5));
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    if (m.attacked) {
        p.drawLine(box.topLeft(), box.bottomRight());
        p.drawLine(box.topRight(), box.bottomLeft());
    } else if (m.twoStep) {
        QPainterPath diamond;
        diamond.moveTo(box.center().x(), box.top());
        diamond.lineTo(box.right(), box.center().y());
        diamond.lineTo(box.center().x(), box.bottom());
        diamond.lineTo(box.left(), box.center().y());
        diamond.closeSubpath();
        p.drawPath(diamond);
    } else {
        p.drawEllipse(box);
    }
}

namespace {

// A see-through sheet over the whole view that paints the layers; presses go
// through it to the view. Beneath the file panel's controls.
class Sheet : public QWidget {
public:
    Sheet(QWidget* view, std::function<void(QPainter&)> paint) : QWidget(view), paint_(std::move(paint)) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(view->rect());
        lower();
        show();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        paint_(p);
    }

private:
    std::function<void(QPainter&)> paint_;
};

}  // namespace

TeachingLayers::TeachingLayers(MainWindow& window) : window_(window) {
    SurfaceView* view = window.view();
    sheet_ = new Sheet(view, [this, view](QPainter& p) { paint(p, view->placement()); });
    view->installEventFilter(this);
    window.installEventFilter(this);
}

void TeachingLayers::redraw() { sheet_->update(); }

void TeachingLayers::showInfluence(bool shown) {
    influenceShown_ = shown;
    redraw();
}

const rules::ReachCounts& TeachingLayers::shownCounts() {
    const state::Board& board = window_.game().board;
    if (!counted_ || !(board == countedBoard_)) {
        // Reach depends on the board alone; it is counted on a copy.
        state::Board scratch = board;
        counts_ = rules::調査_利き数(scratch);
        countedBoard_ = board;
        counted_ = true;
    }
    return counts_;
}

std::vector<DestinationMark> TeachingLayers::destinationMarks() {
    const state::Game& g = window_.game();
    const state::GameState& s = g.state;
    std::vector<DestinationMark> marks;
    if (!s.teachingOn || s.selection != 1 || s.sideToMove == 0 || s.kifuMode) return marks;
    const int sx = s.selectedX(), sy = s.selectedY(), piece = s.pending.moved;
    if (!state::isPieceCode(piece) || g.board(sx, sy) != piece) return marks;
    // The rules are asked on a copy of the board: the layers never touch the game.
    state::Board board = g.board;
    const bool secondStep = s.stepState == 2;
    const rules::MoveContext now = rules::着手文脈(g.record, secondStep);
    // On a second step the Nue King moves as a king, as the outlines show.
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (rules::移動チェック(board, now, sx, sy, x, y, s.steppingPiece()) == state::有)
                marks.push_back({x, y, rules::調査_着地被取(board, sx, sy, x, y, piece), false});
    if (!secondStep && state::magnitude(piece) == state::鵺王) {
        const rules::Landings landings = rules::調査_鵺二手着地(board, sx, sy);
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (landings(x, y) != rules::Landing::None)
                    marks.push_back({x, y, landings(x, y) == rules::Landing::Attacked, true});
    }
    return marks;
}

QString TeachingLayers::hintText() const {
    if (!hint_) return QString();
    const record::Notation n = inEnglish() ? record::Notation::Western : record::Notation::Japanese;
    return QCoreApplication::translate("Window", "ヒント：") +
           QString::fromStdString(record::ヒント表記(*hint_, n));
}

void TeachingLayers::askHint() {
    state::Game& g = window_.game();
    if (g.state.quitRequested) return;
    hint_.reset();
    hint_ = control::ヒント_Click(g);
    hintBoard_ = g.board;
    hintCounter_ = g.record.counter;
    window_.view()->setAccessibleDescription(hintText());
    redraw();
}

void TeachingLayers::dropStaleHint() {
    const state::Game& g = window_.game();
    if (hint_ && (!(g.board == hintBoard_) || g.record.counter != hintCounter_)) hint_.reset();
}

bool TeachingLayers::eventFilter(QObject* watched, QEvent* event) {
    // The next press on the board takes the hint away, whatever it does.
    if (watched == window_.view() && event->type() == QEvent::MouseButtonPress && hint_) {
        hint_.reset();
        window_.view()->setAccessibleDescription({});
        redraw();
    }
    if (watched == window_.view() && event->type() == QEvent::Resize)
        sheet_->setGeometry(window_.view()->rect());
    if (watched == &window_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->key() == Qt::Key_H && !key->isAutoRepeat()) {
            askHint();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void TeachingLayers::paint(QPainter& p, const SurfacePlacement& place) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    if (influenceShown()) paintInfluence(p, place);
    paintDestinations(p, place);
    dropStaleHint();
    if (hint_) paintHint(p, place);
    p.restore();
}

void TeachingLayers::paintInfluence(QPainter& p, const SurfacePlacement& place) {
    const rules::ReachCounts& c = shownCounts();
    const ShownPieces pieces = window_.view()->shownPieces();
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            paintInfluenceSquare(p, cellOnWidget(place, x, y), c.lower(x, y), c.upper(x, y), pieces.at(x, y));
}

void TeachingLayers::paintDestinations(QPainter& p, const SurfacePlacement& place) {
    for (const DestinationMark& m : destinationMarks())
        paintDestinationMark(p, cellOnWidget(place, m.x, m.y), m);
}

void TeachingLayers::paintHint(QPainter& p, const SurfacePlacement& place) {
    const state::Move& h = *hint_;
    std::vector<QRectF> cells{cellOnWidget(place, h.fromX, h.fromY), cellOnWidget(place, h.toX, h.toY)};
    if (h.twoStep) cells.push_back(cellOnWidget(place, h.toX2, h.toY2));
    const double width = std::max(cells[0].height() * 0.09, 2.0);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kHintColour, width));
    for (const QRectF& c : cells)
        p.drawRect(c.adjusted(width * 1.5, width * 1.5, -width * 1.5, -width * 1.5));
    QColor arrow = kHintColour;
    arrow.setAlpha(170);
    p.setPen(QPen(arrow, width, Qt::SolidLine, Qt::RoundCap));
    for (std::size_t i = 1; i < cells.size(); ++i) p.drawLine(cells[i - 1].center(), cells[i].center());

    const QRectF box = place.toWidget(kHintTextTwips);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 170));
    p.drawRoundedRect(box, box.height() * 0.2, box.height() * 0.2);
    QFont f = p.font();
    f.setPixelSize(std::max(static_cast<int>(box.height() * 0.7), 9));
    p.setFont(f);
    p.setPen(kHintColour);
    p.drawText(box, Qt::AlignCenter, hintText());
}

}  // namespace app
