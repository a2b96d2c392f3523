#pragma once

#include "state/influence_maps.h"
#include "state/pieces.h"

namespace state {

// What the computer's turn keeps of the position before its move; the
// evaluation compares every candidate with it.
struct Baselines {
    Map manCount;
    Map comCount;
    Map manAtk;
    Map comAtk;  // kept so a pinned-attacker term reads its square only where it was set
    Map comAtkX;
    Map comAtkY;
    int escapeCount = 0;  // escape squares of the human's royal piece before the move
};

// The computer's scratch state for one search; it survives between calls
// exactly as the evaluation of a second Nue King step expects.
struct SearchState {
    state::Board snapshot;  // the board before the computer's move
    Map escapeMap;          // written by 調査_自王逃道, cleared before the search
    Baselines base;
    int approach = 0;   // king-step distance from the human king to the candidate's from-square
    int fromPiece = 0;  // the candidate's piece before any promotion
};

}  // namespace state
