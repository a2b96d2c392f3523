#include "rules/initial_position.h"

#include "state/game_data.h"

namespace rules {

using namespace state;
namespace {

// The army of one side; sign +1 puts it at the top, -1 (turned half about)
// at the bottom.
void placeArmy(Board& b, int sign) {
    auto put = [&](int code, int x, int y) {
        if (sign > 0)
            b(x, y) = code;
        else
            b(10 - x, 10 - y) = -code;
    };
    for (int x = 1; x <= 9; ++x) put(歩, x, 3);
    put(香, 1, 1);
    put(香, 9, 1);
    put(桂, 2, 1);
    put(桂, 8, 1);
    put(銀, 3, 1);
    put(銀, 7, 1);
    put(金, 4, 1);
    put(金, 6, 1);
    put(角, 8, 2);
    put(飛, 2, 2);
    put(王, 5, 1);
}

}  // namespace

void 初期設定_先手自(state::GameData& g) {
    g.board.fillSquares(空);
    g.board(5, 9) = -鵺王;
    placeArmy(g.board, +1);
}

void 初期設定_先手敵(state::GameData& g) {
    g.board.fillSquares(空);
    g.board(5, 1) = 鵺王;
    placeArmy(g.board, -1);
}

}  // namespace rules
