#include "app/window/window_menus.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "app/language/language.h"
#include "app/window/level_tips.h"

namespace app {

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
    void add(int key, QAction* action) { actions_[key] = action; }

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

WindowMenus::WindowMenus(QMainWindow& window, const QWidget& keysPanel, Hooks hooks)
    : QObject(&window), window_(window), hooks_(std::move(hooks)) {
    std::map<std::string, QMenu*> menus;
    auto* keys = new RecordKeys(&window, &keysPanel);  // the window owns it
    for (const MenuEntry& e : menuBarEntries()) add(e, menus, *keys);
    showWindowMarks();
}

void WindowMenus::add(const MenuEntry& e, std::map<std::string, QMenu*>& menus, RecordKeys& keys) {
    QMenuBar* bar = window_.menuBar();
    QMenu* parent = *e.under ? menus.at(e.under) : nullptr;
    if (e.kind == MenuEntry::Kind::Separator) {
        parent->addSeparator();
        return;
    }
    const Command command = e.command;
    QAction* action = nullptr;
    if (e.kind == MenuEntry::Kind::Menu) {
        QMenu* menu = parent ? parent->addMenu(QString()) : bar->addMenu(QString());
        menu->setObjectName(e.name);
        menu->setToolTipsVisible(true);
        menus[e.name] = menu;
        action = menu->menuAction();
        if (command) connect(menu, &QMenu::aboutToShow, this, [this, command] { hooks_.run(command); });
        if (e.window != WindowCommand::None)
            connect(menu, &QMenu::aboutToShow, this, [this, w = e.window] { hooks_.window(w); });
    } else {
        action = parent ? parent->addAction(QString()) : bar->addAction(QString());
        const int check = e.check;
        if (check != kNoCheck) action->setCheckable(true);
        if (check >= 0) checkItems_[static_cast<std::size_t>(check)] = action;
        const MenuEntry* entry = &e;
        connect(action, &QAction::triggered, this, [this, action, entry] {
            // The game alone decides its marks: undo the toggle the menu made itself.
            if (entry->check >= 0) action->setChecked(checks_[static_cast<std::size_t>(entry->check)]);
            if (entry->command) hooks_.run(entry->command);
            // The player's own choice of level or option is remembered.
            if (entry->check >= 0) hooks_.optionChosen();
            if (entry->check != kOwnCheck) hooks_.window(entry->window);
            // The window's marks say what it shows, whatever the menu toggled.
            if (entry->check == kWindowMark) showWindowMarks();
        });
        if (check == kWindowMark) marked_[e.window] = action;
        // A mark the window keeps itself acts whenever it changes.
        if (check == kOwnCheck)
            connect(action, &QAction::toggled, this, [this, entry] { hooks_.window(entry->window); });
    }
    action->setObjectName(e.name);
    if (e.key != 0 || e.standardKey != QKeySequence::UnknownKey)
        action->setShortcut(e.key != 0 ? QKeySequence(e.key) : QKeySequence(e.standardKey));
    if (e.keyRole == KeyRole::RecordKey || e.keyRole == KeyRole::Shown)
        action->setShortcutContext(Qt::WidgetShortcut);
    if (e.keyRole == KeyRole::RecordKey) keys.add(e.key, action);
    captioned_.emplace_back(action, &e);
}

QAction* WindowMenus::item(const QString& controlName) const {
    const auto actions = window_.menuBar()->findChildren<QAction*>(controlName);
    return actions.isEmpty() ? nullptr : actions.front();
}

void WindowMenus::setChecked(state::MenuCheck item, bool checked) {
    const auto i = static_cast<std::size_t>(item);
    checks_[i] = checked;
    if (checkItems_[i]) checkItems_[i]->setChecked(checked);
}

void WindowMenus::showWindowMarks() {
    for (const auto& [command, action] : marked_)
        if (action) action->setChecked(hooks_.windowMark(command));
}

void WindowMenus::retranslate() {
    for (const auto& [action, entry] : captioned_) {
        if (entry->window == WindowCommand::Language) {
            action->setText(inEnglish() ? "日本語" : "English");
            action->setEnabled(Translators::of() != nullptr);
            continue;
        }
        action->setText(windowText("Menu", QString::fromUtf8(entry->caption)));
        QString tip = entry->tip ? windowText("Tip", QString::fromUtf8(entry->tip)) : QString();
        if (const int level = levelOfItem(entry->name); level != 0) tip = levelTip(level);
        if (tip.isEmpty()) continue;
        action->setStatusTip(tip);
        action->setToolTip(tip);
    }
}

}  // namespace app
