#pragma once

#include <optional>
#include <string>

#include "search/search.h"

namespace state {
struct GameData;
}

namespace control {

struct Game;

// A move suggested to a player: from and to, the piece as placed, and the
// second step when the move is a Nue King's two steps.
struct Hint {
    int x = 0, y = 0, tx = 0, ty = 0;
    int placed = 0;
    bool second = false;
    int tx2 = 0, ty2 = 0;
    friend bool operator==(const Hint&, const Hint&) = default;
};

// The move the computer would choose for the side `sign` (-1 lower, +1
// upper) at the game's level 1, 2 or 3, chosen on a copy of its own: the
// lower side's on the board turned about, as the computer would see it, and
// mapped back. The game itself (board, record, maps, the computer's search
// state) is not touched, so the computer's later play is as it would have been.
// Empty when that side has no legal move.
std::optional<Hint> 指し手ヒント(const state::GameData& g, int sign);

// The level-four player's move for the side `sign`, with the caller's search
// object and limits. Changes nothing.
std::optional<Hint> 強いヒント(const state::GameData& g, int sign, search::Searcher& searcher,
                               const search::Limits& limits);

// ヒント: the hint for the player to move, by the strongest level (eight),
// searched on a worker thread while the window keeps repainting and input
// waits. Refused like the other commands, with the refusal sound and a
// message, when no game runs, while a Nue King waits for its second step,
// and when the computer is to move.
std::optional<Hint> ヒント_Click(Game& g, const search::Limits& limits = {});

// The hint in words, as the window names it.
// 例: a lower pawn from (7, 7) to (7, 6) gives "ヒント：３七→３六歩".
std::string ヒント_文(const Hint& h);

}  // namespace control
