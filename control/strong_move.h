#pragma once

#include "search/search.h"

namespace state {
struct Game;
struct GameData;
}  // namespace state

namespace control {

// The level-four computer's move for one side (+1 upper, -1 lower) of the
// game's position: a search over a copy of the board and the record, with
// the caller's search object (its table) and limits. Changes nothing.
search::Choice 強い指し手(const state::GameData& g, int side, search::Searcher& searcher,
                          const search::Limits& limits);

// A level-four search for one side of the game's position on a worker thread
// over its own copy, while this thread keeps the window repainting and input
// waits, as in the computer's other pauses.
search::Choice 考慮中探索(state::Game& g, int side, const search::Limits& limits);

// The computer's (upper side's) move at the game's search level (4 to 8),
// searched on a worker thread (level 8 for about a second) while the window
// keeps repainting and input waits, as
// in the computer's other pauses. Keeps the board before the move as the
// search snapshot, as the one-ply search does.
search::Choice 強い指し手探索(state::Game& g);

}  // namespace control
