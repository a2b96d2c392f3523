#pragma once

namespace state {
struct GameData;
}

namespace rules {

// Whose guards 調査_鵺守 looks for: the side of the Nue King under attack.
enum class Side { Upper, Lower };

// The single source of truth for piece movement: 1 when the piece 移動駒種類
// may go from the source to the destination on the current board, else 0.
// The piece is passed, not read from the source square, and check is no rule
// here: a move may leave its own royal piece attacked.
// 例: 移動チェック(g, 5, 9, 5, 8, -15) == 1 on an empty board
int 移動チェック(state::GameData& g, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒種類);

// 先鵺子: nobody may take a Nue King (取る駒, the code on the destination)
// right after the other Nue King was taken, unless the move before that was
// the attacked Nue King's own.
bool 先鵺子(const state::GameData& g, int 取る駒);

// Line helpers: 1 when the two squares share the line and every square
// strictly between them is empty.
int 移動チェック飛車(const state::GameData& g, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
int 移動チェック上下(const state::GameData& g, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
int 移動チェック左右(const state::GameData& g, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);
int 移動チェック角(const state::GameData& g, int 移動元X, int 移動元Y, int 移動先X, int 移動先Y);

// 1 when the Nue King on the target square is guarded: with both Nue Kings
// lifted off, some other piece of the target's side could move there. The
// board is restored before it returns.
int 調査_鵺守(state::GameData& g, Side 守る側, int 移動元X, int 移動元Y, int 鵺座標X, int 鵺座標Y);

}  // namespace rules
