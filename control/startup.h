#pragma once

namespace state {
struct Game;
}

namespace control {

// The first half of start-up: the sound library, the four wave files in
// their order, and the music looping.
void 起動_サウンド(state::Game& g);

// The second half of start-up: check marks, constants and game state, the
// human-first position and a full redraw. Loading a record runs it again.
void 起動_初期化(state::Game& g);

}  // namespace control
