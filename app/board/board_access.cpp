#include "app/board/board_access.h"

#include <QAccessible>
#include <QAccessibleWidget>

#include <vector>

#include "app/board/board_cursor.h"
#include "app/board/surface_view.h"
#include "app/language/language.h"
#include "record/notation.h"
#include "record/record_moves.h"

namespace app {

namespace {

constexpr const char* kAccessName = "nuedori-board-access";
constexpr int kSquares = 81;

const BoardAccess* accessOf(QObject* view) {
    return dynamic_cast<const BoardAccess*>(
        view->findChild<QObject*>(kAccessName, Qt::FindDirectChildrenOnly));
}

class SquareInterface : public QAccessibleInterface {
public:
    SquareInterface(const BoardAccess& access, QAccessibleInterface* board, int column, int row)
        : access_(access), board_(board), column_(column), row_(row) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return board_->window(); }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return board_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? access_.squareName(column_, row_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const SurfaceView& view = access_.view();
        const QRect inView = view.placement().toWidget(cellRect(column_, row_)).toAlignedRect();
        return QRect(view.mapToGlobal(inView.topLeft()), inView.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.focusable = true;
        s.focused = access_.view().hasFocus() && access_.cursor().column() == column_ &&
                    access_.cursor().row() == row_;
        return s;
    }

private:
    const BoardAccess& access_;
    QAccessibleInterface* board_;
    int column_, row_;
};

// The view as a table: the widgets on it first, as Qt has them, then the squares.
class BoardInterface : public QAccessibleWidget {
public:
    BoardInterface(QWidget* view, const BoardAccess& access)
        : QAccessibleWidget(view, QAccessible::Table), access_(access) {}
    ~BoardInterface() override {
        for (const QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return QAccessibleWidget::childCount() + kSquares; }
    QAccessibleInterface* child(int index) const override {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets) return QAccessibleWidget::child(index);
        return square(index - widgets);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (std::size_t i = 0; i < ids_.size(); ++i)
            if (QAccessible::accessibleInterface(ids_[i]) == child)
                return QAccessibleWidget::childCount() + static_cast<int>(i);
        return QAccessibleWidget::indexOfChild(child);
    }
    QAccessibleInterface* focusChild() const override {
        if (!widget()->hasFocus()) return QAccessibleWidget::focusChild();
        return square(cellIndex(access_.cursor().column(), access_.cursor().row()));
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return inEnglish() ? "Board" : "盤";
        if (t == QAccessible::Value) return access_.lastMove();
        if (t == QAccessible::Description) return access_.lastMoveSpoken();
        return QAccessibleWidget::text(t);
    }

private:
    // The squares' interfaces, made when first asked for and kept in Qt's
    // registry until the board's goes.
    QAccessibleInterface* square(int index) const {
        if (index < 0 || index >= kSquares) return nullptr;
        if (ids_.empty()) {
            auto* self = const_cast<BoardInterface*>(this);
            for (int i = 0; i < kSquares; ++i)
                ids_.push_back(QAccessible::registerAccessibleInterface(
                    new SquareInterface(access_, self, i % 9 + 1, i / 9 + 1)));  // the registry owns it
        }
        return QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(index)]);
    }

    const BoardAccess& access_;
    mutable std::vector<QAccessible::Id> ids_;
};

QAccessibleInterface* boardFactory(const QString&, QObject* object) {
    auto* view = qobject_cast<QWidget*>(object);
    if (!view) return nullptr;
    const BoardAccess* access = accessOf(view);
    return access ? new BoardInterface(view, *access) : nullptr;
}

}  // namespace

BoardAccess::BoardAccess(SurfaceView& view, const state::Game& game, const BoardCursor& cursor)
    : QObject(&view), view_(view), game_(game), cursor_(cursor) {
    setObjectName(kAccessName);
    QAccessible::installFactory(boardFactory);  // once only, however many boards
}

namespace {

record::Notation notation() { return inEnglish() ? record::Notation::Western : record::Notation::Japanese; }

}  // namespace

QString BoardAccess::squareName(int column, int row) const {
    return QString::fromStdString(record::升目の読み上げ(column, row, game_.board(column, row), notation()));
}

QString BoardAccess::lastMove() const {
    const std::vector<record::NotationLine> lines =
        record::棋譜表記(game_.record, record::先手の側(game_.state), notation());
    const int line = record::表記行(lines, game_.record.counter);
    return line == 0 ? QString() : QString::fromStdString(lines[static_cast<std::size_t>(line - 1)].text);
}

QString BoardAccess::lastMoveSpoken() const {
    const int counter = game_.record.counter;
    if (counter < 1) return QString();
    const state::Move m = record::記録の手(game_.record, record::手の最初(game_.record, counter));
    return QString::fromStdString(record::読み上げ(m, record::先手の側(game_.state), notation()));
}

void BoardAccess::follow() {
    if (!QAccessible::isActive()) return;
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&view_);
    if (!board) return;
    const int first = board->childCount() - kSquares;
    for (int row = 1; row <= 9; ++row)
        for (int column = 1; column <= 9; ++column) {
            QString name = squareName(column, row);
            QString& told = told_[static_cast<std::size_t>(cellIndex(column, row))];
            if (name == told) continue;
            told = std::move(name);
            QAccessibleEvent changed(board, QAccessible::NameChanged);
            changed.setChild(first + cellIndex(column, row));
            QAccessible::updateAccessibility(&changed);
        }
    const QString move = lastMove();
    if (move != toldMove_) {
        toldMove_ = move;
        QAccessibleValueChangeEvent changed(board, move);
        QAccessible::updateAccessibility(&changed);
    }
}

void BoardAccess::cursorMoved() {
    if (!QAccessible::isActive() || !view_.hasFocus()) return;
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&view_);
    if (!board) return;
    QAccessibleEvent focus(board, QAccessible::Focus);
    focus.setChild(board->childCount() - kSquares + cellIndex(cursor_.column(), cursor_.row()));
    QAccessible::updateAccessibility(&focus);
}

}  // namespace app
