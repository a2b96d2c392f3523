#pragma once

#include <optional>

#include "search/search.h"
#include "state/move.h"

namespace state {
struct Game;
struct GameData;
}  // namespace state

namespace control {

// The level-four player's move for the side `sign` (+1 upper, -1 lower),
// with the caller's search object and limits. Changes nothing.
std::optional<state::Move> 強いヒント(const state::GameData& g, int sign, search::Searcher& searcher,
                                      const search::Limits& limits);

// ヒント: the move for the player to move, by the strongest level (eight),
// searched on a worker thread while the window keeps repainting and input
// waits. Refused like the other commands, with the refusal sound and a
// message, when no game runs, while a Nue King waits for its second step,
// and when the computer is to move.
std::optional<state::Move> ヒント_Click(state::Game& g, const search::Limits& limits = {});

}  // namespace control
