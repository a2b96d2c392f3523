#pragma once

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "app/window/menu_bar.h"
#include "state/window_port.h"

class QAction;
class QMainWindow;
class QMenu;
class QWidget;

namespace app {

class RecordKeys;

// The menu bar built from its table (menu_bar.h): the game's commands run as
// events of the window, the window's own commands, the check marks the game
// sets and those the window keeps, the keys, the captions in the language
// chosen, and each item's tips.
class WindowMenus : public QObject {
public:
    using Command = std::function<void(state::Game&)>;
    struct Hooks {
        std::function<void(const Command&)> run;        // a game command as an event
        std::function<void(WindowCommand)> window;      // a window command
        std::function<void()> optionChosen;             // the player chose a level or option
        std::function<bool(WindowCommand)> windowMark;  // whether a window's mark is on
    };

    // `keysPanel` is the side panel, which leaves the record's keys to the record.
    WindowMenus(QMainWindow& window, const QWidget& keysPanel, Hooks hooks);

    // The item of a control name (START, LEVEL2, VER ...), or null.
    QAction* item(const QString& controlName) const;
    // The game's check marks: the game alone decides them.
    void setChecked(state::MenuCheck item, bool checked);
    // The window's marks say what it shows.
    void showWindowMarks();
    // Captions and tips in the language chosen now.
    void retranslate();

private:
    void add(const MenuEntry& e, std::map<std::string, QMenu*>& menus, RecordKeys& keys);

    QMainWindow& window_;
    Hooks hooks_;
    std::array<QAction*, state::kMenuCheckCount> checkItems_{};
    std::array<bool, state::kMenuCheckCount> checks_{};
    // The items by their rows of the menu table, for their captions.
    std::vector<std::pair<QAction*, const MenuEntry*>> captioned_;
    std::map<WindowCommand, QAction*> marked_;  // the items whose marks the window sets
};

}  // namespace app
