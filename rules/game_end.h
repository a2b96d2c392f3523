#pragma once

#include "state/outcome.h"

namespace rules {

// What a game's end is decided on. Each caller gives the facts it has at the
// moment it asks; a fact left at its default says nothing.
struct EndFacts {
    int resigned = 0;         // the side that gives the game up (+1 upper, -1 lower), 0 for none
    int outOfTime = 0;        // the side whose time ran out (+1 upper, -1 lower), 0 for none
    int mover = 0;            // the side that moved last: +1 upper, -1 lower
    int captured = 0;         // what its move took on the first (or only) step
    int captured2 = 0;        // and on a Nue King's second step
    bool moverMates = false;  // the mover's opponent is mated, where the game asks that
    bool nextCanMove = true;  // the side to move next has a legal move
    bool recordFull = false;  // the next move (or step) would need entry 501
};

// The one place that decides a game's end and why, in this order: a side
// that resigns (it loses), a side out of time (it loses, whatever its move
// took), a royal piece taken (its taker wins), a mate the game asks for (the
// mater wins), a side to move without a legal move (it loses), no room in
// the record for the next move or step (a draw).
// 例: 終局判定({.mover = -1, .captured = 15}) == {LowerWins, RoyalTaken}
state::Outcome 終局判定(const EndFacts& f);

// The side an outcome names as the winner (+1 upper, -1 lower), 0 for a draw
// or a game that goes on.
int 勝った側(state::Outcome o);

}  // namespace rules
