#pragma once

#include "rules/move_check.h"
#include "state/game_data.h"

namespace engine {

// The move check as the computer asks it, on the game's own board: the
// record's recapture fact at its current entry, and a second step while the
// game in progress waits for one (the computer's procedures read the game's
// state as they find it).
inline int 移動チェック(state::GameData& g, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y,
                        int 移動駒種類) {
    return rules::移動チェック(g.board, rules::着手文脈(g.record, g.state.stepState == 2), 移動元X, 移動元Y,
                               移動先X, 移動先Y, 移動駒種類);
}

}  // namespace engine
