#pragma once

namespace control { struct Game; }

namespace rules {

// The human (lower side) moves first and owns the Nue King on (5, 9); the
// computer's army stands at the top. Does not draw.
void 初期設定_先手自(control::Game& g);

// The computer (upper side) moves first with the Nue King on (5, 1); the
// human's army stands at the bottom. Does not draw.
void 初期設定_先手敵(control::Game& g);

// Resets the game's progress (no game in progress, empty record, record 0's
// placed piece +1, not reversed, nothing selected, kifu mode off) and
// redraws the whole window.
void 初期設定(control::Game& g);

}  // namespace rules
