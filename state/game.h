#pragma once

#include "state/clock.h"
#include "state/game_data.h"
#include "state/window_port.h"

namespace state {

// The one game object: the game's data and the window it plays in, for the
// life of the process. Game control and the drawing procedures take it; the
// rules and the computer player take only its data. Not copyable: the window
// is one.
struct Game : state::GameData {
    explicit Game(WindowPort& p) : port(p) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    WindowPort& port;
    // The clock of the game in play, when the window gives it one as the
    // game begins (WindowPort::gameBegins); null plays without a clock, as
    // the game always has. The window owns it; game control runs it
    // (control/game_clock.h).
    state::GameClock* clock = nullptr;
};

}  // namespace state
