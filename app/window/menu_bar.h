#pragma once

#include <QKeySequence>

#include <span>

namespace state {
struct Game;
}

namespace app {

// What a menu item does besides a command of the game: the window's own
// commands.
enum class WindowCommand {
    None,
    NewGame,
    SaveImage,
    InfluenceView,
    FewerInterruptions,
    AdaptiveLevel,
    Statistics,
    Hint,
    PiecesKanji2,
    PiecesKanji1,
    PiecesInternational,
    SidePanel,
    Language,
    HowToPlay,
    Review,
    RecentGames,  // fills 最近の対局 as it opens
    TimeControl,
    // Positions and games as text (app/exchange).
    CopyPosition,
    PastePosition,
    EditPosition,
    CopyGame,
    PasteGame,
    ExportKif,
    ImportKif,
};

// How an item's key reaches it: a shortcut of the window; a key taken where
// the window gets it, with no modifier, and not while a control of the file
// panel has it (the record's arrows, Home and End); or a key only shown,
// which a layer of the window takes itself.
enum class KeyRole { None, Shortcut, RecordKey, Shown };

// One row of the menu bar, in display order: its control name, its caption
// (the game's Japanese; English from the translation file), the menu it
// stands in ("" for the bar itself), and what it is.
struct MenuEntry {
    enum class Kind { Menu, Item, Separator };
    const char* name;
    const char* caption;
    const char* under;
    Kind kind;
    // The game's command: the item's, or the menu's when it opens (as a
    // window command of a menu is run when it opens).
    void (*command)(state::Game&) = nullptr;
    WindowCommand window = WindowCommand::None;
    // The check mark: a MenuCheck of the game's (its number), kOwnCheck for a
    // mark the menu toggles itself, kWindowMark for one the window sets from
    // what it shows, or kNoCheck.
    int check = -1;
    int key = 0;  // a Qt::Key, or
    QKeySequence::StandardKey standardKey = QKeySequence::UnknownKey;
    KeyRole keyRole = KeyRole::None;
    const char* tip = nullptr;  // the status line's words while it is pointed at
};

inline constexpr int kNoCheck = -1;
inline constexpr int kOwnCheck = -2;
inline constexpr int kWindowMark = -3;

// The whole menu bar, the game's own items and the window's, in one table.
std::span<const MenuEntry> menuBarEntries();

}  // namespace app
