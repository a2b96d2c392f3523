#pragma once

namespace control {

struct Game;

// Start-up step 1: the sound library, the four wave files in their order, and
// the music looping.
void 起動_サウンド(Game& g);

// Start-up steps 2 to 6: check marks, constants and game state, the
// human-first position and a full redraw. Loading a record runs it again.
void 起動_初期化(Game& g);

}  // namespace control
