#pragma once

#include <QString>

namespace app {

// The level a menu item's control name chooses (LEVEL1 .. LEVEL8), or 0.
int levelOfItem(const char* controlName);

// What a level's menu item tells the player: its rating on the ladder, how
// long it thinks and which side it plays best, in the language chosen.
QString levelTip(int level);

}  // namespace app
