#pragma once

namespace state {
struct Game;
}

namespace control {

// 投了: the player gives the game up. Refused with the start message when no
// game is running (a loaded record being replayed is no game), and like 戻
// and 進 while a Nue King waits for its second step. Otherwise asks first;
// on Yes the game ends as every game does, with the opponent as winner:
// "ｺﾝﾋﾟｭｰﾀ" against the computer, in a two-player game the side that is not
// to move ("先手" or "後手").
void 投了(state::Game& g);

}  // namespace control
