#pragma once

#include "state/game_data.h"
#include "state/window_port.h"

namespace control {

// The one game object: the game's data and the window it plays in, for the
// life of the process. Game control and the drawing procedures take it; the
// rules and the computer player take only its data. Not copyable: the window
// is one.
struct Game : state::GameData {
    explicit Game(WindowPort& p) : port(p) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    WindowPort& port;
};

}  // namespace control
