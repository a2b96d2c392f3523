#pragma once

namespace state {
struct GameData;
}

namespace engine {

// Finds pinned pieces: each piece in turn is lifted off the board, and it
// counts as pinned when an opposing lance, bishop, horse, rook or dragon can
// then reach its own king's square. Human pieces get a mark each; for the
// computer only a flag says that one of its pieces is pinned. The king
// squares of the last surveys must be current. The board is restored.
void 調査_移動不可駒(state::GameData& g);

}  // namespace engine
