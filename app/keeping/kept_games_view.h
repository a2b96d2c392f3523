#pragma once

#include <QString>

#include <functional>

#include "state/game_state.h"

class QMenu;

namespace app {

class GameKeeper;
class PlayerSettings;

// What the window shows of what is kept between runs.

// 最近の対局: the last games of the games folder, newest first; choosing one opens it.
void fillRecentGames(QMenu& menu, const GameKeeper* keeper,
                     const std::function<void(const QString& path)>& open);

// The folder the file panel opens in: the one last used; the first time the
// game's records folder, never the folder the program happened to start in.
QString startFolder(const GameKeeper* keeper, const PlayerSettings* settings);

// The notices of a file set aside at start-up, with its new name.
QString keptGameSetAsideWords(const QString& newName);
QString settingsSetAsideWords(const QString& newName);

// The kind of a game resumed at start-up, as the panel names it (translatable).
const char* resumedKind(const state::GameState& s);

}  // namespace app
