#pragma once

namespace state {
struct Game;
}

namespace control {

// ここから対局: a game played on from the position on the board, a loaded
// record's or the game's own after 戻, with the moves after the marker
// dropped as a move after 戻 drops them. Against the computer the human has
// the lower side as always, and when the upper side is to move the computer
// moves at once; between two people the side to move is told. Refused like
// 戻 with no record, and while a Nue King waits for its second step.
void ここから対局_COM(state::Game& g);
void ここから対局_人間(state::Game& g);

// ここから対局 at an entry of the record (a reviewed mistake): back to the
// position after that entry, as 戻 and 進 go there, then on as a game of the
// kind it was. Nothing happens when the way there is refused.
void ここから対局_記録から(state::Game& g, int entry);

}  // namespace control
