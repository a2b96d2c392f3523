#include "engine/computer_move.h"
#include "engine/evaluation.h"
#include "engine/influence.h"
#include "engine/move_context.h"
#include "state/board_trial.h"
#include "state/game_data.h"

namespace engine {

using namespace state;

namespace {

// A step onto a square the human attacks is consulted only when the human's
// cheapest attacker there is his Nue King and the computer protects it.
double scoreStep(state::GameData& g, int c, int piece, int x, int y, int tx, int ty) {
    const InfluenceMaps& m = g.maps;
    if (m.manCount(tx, ty) > 0) {
        if (m.manAtk(tx, ty) == state::駒価値(state::鵺王) && m.comCount(tx, ty) > 0)
            return 盤評価(g, c, piece, x, y, tx, ty);
        return -500;
    }
    return 盤評価(g, c, piece, x, y, tx, ty);
}

}  // namespace

std::optional<state::Move> 二手目選択(state::GameData& g, int x, int y, int piece) {
    const int nue = state::鵺王;
    double best = -9999;
    std::optional<state::Move> step;
    for (int tx = x - 1; tx <= x + 1; ++tx) {
        for (int ty = y - 1; ty <= y + 1; ++ty) {
            if (移動チェック(g, x, y, tx, ty, piece) != state::有) continue;
            const int c = g.board(tx, ty);
            double s = 0;
            {
                state::BoardTrial trial(g.board);
                trial.move(x, y, tx, ty, nue);
                // Both maps describe the candidate position: the computer's, then the human's.
                勢力調査_COM(g);
                勢力調査_MAN(g);
                s = scoreStep(g, c, piece, x, y, tx, ty);
            }
            if (s > best) {
                best = s;
                step = state::Move{x, y, tx, ty, false, 0, 0, nue, nue, c, 0};
            }
        }
    }
    return step;
}

}  // namespace engine
