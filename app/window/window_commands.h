#pragma once

#include "app/window/menu_bar.h"

class QKeyEvent;

namespace app {

class MainWindow;

// The window's own commands of the menu table (menu_bar.h), run on the
// window's parts: a new game, the options the window keeps, the statistics,
// the image, the pieces, the panel, the language, the pages, the review,
// the recent games and the time controls.
void runWindowCommand(MainWindow& window, WindowCommand command);

// Whether a mark the window keeps is on: the pieces shown, the side panel.
bool windowMark(const MainWindow& window, WindowCommand command);

// A key the window takes itself: F10 opens the menus, Esc closes the file
// panel or ends the program (asking first with fewer interruptions), P holds
// a two-player game's clock, and a character key goes to the game. False
// for any other.
bool takeKey(MainWindow& window, const QKeyEvent& e);

// 局面 → 画像で保存: asks where, then writes the board as PNG or SVG.
void saveBoardImage(MainWindow& window);

}  // namespace app
