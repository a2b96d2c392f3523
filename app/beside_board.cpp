#include "app/beside_board.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

#include <map>

#include "app/side_panel.h"
#include "app/surface_view.h"
#include "app/western_notation.h"
#include "control/new_game.h"
#include "control/record_jump.h"
#include "control/resign.h"

namespace app {

namespace {

// The menu items added beside the game's own: control name, caption, the
// menu they stand in, and their key.
struct ExtraItem {
    const char* name;
    const char* caption;
    const char* menu;
    QKeySequence key;
};

QAction* findAction(QMenuBar& bar, const char* name) {
    const auto found = bar.findChildren<QAction*>(name);
    return found.isEmpty() ? nullptr : found.front();
}

void triggerItem(QMenuBar& bar, const char* name) {
    if (QAction* a = findAction(bar, name)) a->trigger();
}

// The record's keys without a modifier. The menu items show them; they are
// taken here, where the window gets them, and not while a control of the
// file panel has the focus: its lists and its name box keep their own
// arrows, Home and End. The side panel, which Tab gives the focus to from
// the board, leaves them to the record.
class RecordKeys : public QObject {
public:
    RecordKeys(QWidget* window, const QWidget* panel) : QObject(window), window_(window), panel_(panel) {
        window->installEventFilter(this);
    }
    void add(QAction* action) {
        action->setShortcutContext(Qt::WidgetShortcut);
        actions_[action->shortcut()[0].key()] = action;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const auto* key = static_cast<const QKeyEvent*>(event);
        const auto found = actions_.find(key->key());
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || found == actions_.end())
            return false;
        const QWidget* focus = QApplication::focusWidget();
        if (focus && focus != window_ && focus != panel_ && focus->isVisible()) return false;
        found->second->trigger();
        return true;
    }

private:
    QWidget* window_;
    const QWidget* panel_;
    std::map<int, QAction*> actions_;
};

}  // namespace

BesideBoard::BesideBoard(control::Game& game, SurfaceView& view, Runner run)
    : game_(game), view_(view), run_(std::move(run)) {
    panel_ = new SidePanel(nullptr);  // the window lays it out and owns it
    panel_->onLineClicked(
        [this](int entry) { run_([entry](control::Game& g) { control::棋譜_移動(g, entry); }); });
    view_.addLayer([this](QPainter& p, const SurfacePlacement& place) { lastMove_.paint(p, place); });
}

void BesideBoard::addToMenus(QMenuBar& bar) {
    const ExtraItem items[] = {
        {"NEW_GAME", "新しい対局", "TAIKYOKU", QKeySequence::New},
        {"RESIGN", "投了", "TAIKYOKU", {}},
        {"STEP_BACK", "一手戻る", "STOP", Qt::Key_Left},
        {"STEP_FORWARD", "一手進む", "STOP", Qt::Key_Right},
        {"RECORD_START", "棋譜の初めへ", "STOP", Qt::Key_Home},
        {"RECORD_END", "棋譜の終わりへ", "STOP", Qt::Key_End},
    };
    QMenuBar* b = &bar;
    const std::function<void()> commands[] = {
        [this, b] { newGame(*b); },
        [this] { run_(control::投了); },
        [b] { triggerItem(*b, "REPLAY"); },
        [b] { triggerItem(*b, "AFTER"); },
        [this] { run_([](control::Game& g) { control::棋譜_移動(g, 0); }); },
        [this] { run_([](control::Game& g) { control::棋譜_移動(g, g.record.last); }); },
    };
    panel_->setFocusPolicy(Qt::TabFocus);
    auto* keys = new RecordKeys(bar.window(), panel_);  // the window owns it
    const char* separated = nullptr;
    for (std::size_t i = 0; i < std::size(items); ++i) {
        QMenu* menu = bar.findChild<QMenu*>(items[i].menu);
        if (!menu) continue;
        if (separated != items[i].menu) menu->addSeparator();
        separated = items[i].menu;
        QAction* a = menu->addAction(items[i].caption);
        a->setObjectName(items[i].name);
        a->setShortcut(items[i].key);
        QObject::connect(a, &QAction::triggered, a, commands[i]);
        if (items[i].menu == std::string_view("STOP")) keys->add(a);
    }
    if (QAction* read = findAction(bar, "KIFU_READ")) read->setShortcut(QKeySequence::Open);
    if (QAction* write = findAction(bar, "KIFU_WRITE")) write->setShortcut(QKeySequence::Save);
    for (const char* kind : {"START", "SENTE", "GOTE"})
        if (QAction* a = findAction(bar, kind))
            QObject::connect(a, &QAction::triggered, a, [this, kind] { rememberKind(kind); });
}

void BesideBoard::rememberKind(const QString& controlName) { lastKind_ = controlName; }

// 先手 and 後手 always set up their first position; スタート would go on
// with the game in progress, so a new two-player game starts afresh.
void BesideBoard::newGame(QMenuBar& bar) {
    if (lastKind_ == "START")
        run_(control::二人対局_新規);
    else
        triggerItem(bar, lastKind_.toUtf8().constData());
}

void BesideBoard::follow() {
    // Once its move is on the board the computer has done thinking.
    if (thinking_ && game_.record.counter != thinkingFrom_) thinking_ = false;
    lines_ = writtenMoves(game_.record, record::先手の側(game_.state));
    panel_->follow(game_, lines_, thinking_);
    lastMove_.show(lastMoveSquares(game_.record, lines_));
    view_.update();
}

void BesideBoard::noticeText(std::string_view text) {
    if (text != " 思考中") return;
    thinking_ = true;
    thinkingFrom_ = game_.record.counter;
}

void BesideBoard::eventEnded() {
    thinking_ = false;
    follow();
}

}  // namespace app
