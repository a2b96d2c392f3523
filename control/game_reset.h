#pragma once

namespace state {
struct Game;
}

namespace control {

// Resets the game's progress (no game in progress, empty record, record 0's
// placed piece +1, not reversed, nothing selected, kifu mode off) and
// redraws the whole window.
void 初期設定(state::Game& g);

}  // namespace control
