#pragma once

#include <optional>

#include "state/move.h"

namespace state {
struct GameData;
}

namespace engine {

// The move the search chose (one entry: a Nue King's second step is chosen
// apart) and its score. Found is false when the computer has no legal move
// at all.
struct Choice {
    bool found = false;
    state::Move move;
    double score = -99999;
};

// Told of every evaluation the search makes, in search order.
class SearchListener {
public:
    virtual ~SearchListener() = default;
    virtual void evaluated(int x, int y, int tx, int ty, int placed, double score) = 0;
};

// The computer's one-ply search for the upper side: snapshot, baseline
// escape count, fresh surveys and pins, baselines, then every legal move in
// scan order, played, surveyed, scored and taken back. The first of equally
// scored moves wins; unpromoted wins a tie with promoted. Capturing the human
// king stops the search when that move has just become the best. The board
// is the same afterwards.
Choice 指し手探索(state::GameData& g, SearchListener* listener = nullptr);

// The Nue King's second step for the computer: one king step from
// (移動元X, 移動元Y), as a one-entry move of the upper Nue King with what it
// takes. Empty when no neighbour passes the move check: the first step is
// then the whole move. The board is the same afterwards, the maps describe
// the last neighbour tried. Game control plays it (com_ban2手目).
std::optional<state::Move> 二手目選択(state::GameData& g, int 移動元X, int 移動元Y, int 移動駒);

// The evaluation asked for a second step: the band of scores that means it.
bool 二手目要求(const Choice& c);

}  // namespace engine
