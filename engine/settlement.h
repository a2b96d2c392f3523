#pragma once

namespace state {
struct GameData;
}

namespace engine {

// Line walks of the sliding pieces, for either side by the sign of the code.
// A walk records every square it reaches and stops at the first piece, except
// that it passes through the opposing 王, marking the squares between as
// interposition squares (1) and the slider's own square as checker (9). It
// stops at the opposing 鵺王 like at any piece and marks nothing there.
void 勢力確定上直進(state::GameData& g, int 駒種類, int 入力X, int 入力Y);  // towards row 1
void 勢力確定下直進(state::GameData& g, int 駒種類, int 入力X, int 入力Y);  // towards row 9
void 勢力確定右直進(state::GameData& g, int 駒種類, int 入力X, int 入力Y);  // towards column 9
void 勢力確定左直進(state::GameData& g, int 駒種類, int 入力X, int 入力Y);  // towards column 1

// Diagonal walks: the human side's and the computer side's, upwards
// (towards row 1) and downwards, each first towards column 1.
void 勢力確定自角上(state::GameData& g, int 入力駒, int 入力X, int 入力Y);
void 勢力確定自角下(state::GameData& g, int 入力駒, int 入力X, int 入力Y);
void 勢力確定敵角上(state::GameData& g, int 駒種類, int 入力X, int 入力Y);
void 勢力確定敵角下(state::GameData& g, int 駒種類, int 入力X, int 入力Y);

// The gold squares of a gold-like piece. The human side's records them like
// any reach; the computer side's enters no cheapest attacker at all.
void 勢力確定自金(state::GameData& g, int 駒種類, int 移動元X, int 移動元Y);
void 勢力確定敵金(state::GameData& g, int 駒種類, int 移動元X, int 移動元Y);

}  // namespace engine
