#pragma once

#include "state/game_state.h"
#include "state/influence_maps.h"
#include "state/move_record.h"
#include "state/pieces.h"
#include "state/search_state.h"
#include "state/text_state.h"

namespace state {

// Everything the rules and the computer player read and write: the board,
// the record, the game state, the maps, the pins and the search's scratch
// state. It holds no window: a procedure that takes it cannot draw, sound,
// wait or ask. Copyable, so a search off the window's thread can have its own.
struct GameData {
    state::Board board;
    state::MoveRecord record;
    state::GameState state;
    state::InfluenceMaps maps;
    state::PinMarks pins;
    state::SearchState search;
    state::TextState text;
};

}  // namespace state
