#pragma once

#include "control/game_state.h"
#include "control/window_port.h"
#include "display/text_state.h"
#include "engine/influence_maps.h"
#include "engine/search_state.h"
#include "rules/move_record.h"
#include "rules/pieces.h"

namespace control {

// The one game object: everything the main window owns, for the life of the
// process. Every procedure of the game is a function over it. Not copyable:
// procedures that try a move change this board and restore it themselves.
struct Game {
    explicit Game(WindowPort& p) : port(p) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    rules::Board board;
    rules::MoveRecord record;
    GameState state;
    engine::InfluenceMaps maps;
    engine::PinMarks pins;
    engine::SearchState search;
    display::TextState text;
    WindowPort& port;
};

}  // namespace control
