#pragma once

namespace state {
struct GameData;
}

namespace rules {

// The human (lower side) moves first and owns the Nue King on (5, 9); the
// computer's army stands at the top. Does not draw.
void 初期設定_先手自(state::GameData& g);

// The computer (upper side) moves first with the Nue King on (5, 1); the
// human's army stands at the bottom. Does not draw.
void 初期設定_先手敵(state::GameData& g);

}  // namespace rules
