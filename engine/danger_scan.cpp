// The whole-board part of the evaluation. Its penalties mix piece codes and
// table values (a piece's code where it is subtracted as "what is lost", the
// table elsewhere): that is how the computer weighs its weaknesses.
#include <algorithm>
#include <cstdlib>

#include "engine/evaluation.h"
#include "engine/move_context.h"
#include "state/board_trial.h"
#include "state/game_data.h"

namespace engine {

using namespace state;

using state::駒価値;

namespace {

// The running sums of one scan: T the total, F and G the fork count and the
// smallest magnitude among the forked pieces.
struct DangerSums {
    double T = 0;
    int F = 0;
    int G = 9999;
};

bool hasComKing(const state::GameData& g) { return g.maps.comKingX != 0; }

bool nearComKing(const state::GameData& g, int x, int y, int reach) {
    return std::abs(x - g.maps.comKingX) < reach && std::abs(y - g.maps.comKingY) < reach;
}

// A square nobody stands on but the human reaches.
void emptySquare(state::GameData& g, int x, int y, DangerSums& d) {
    const InfluenceMaps& m = g.maps;
    if (m.manCount(x, y) <= 0) return;
    if (hasComKing(g) && nearComKing(g, x, y, 2)) {  // a hole next to the king
        d.T -= 0.5 * m.manCount(x, y);
        if (m.comCount(x, y) == 1 && m.manCount(x, y) > 1) d.T -= 10;
    }
    if (m.comCount(x, y) == 0 && y < 4) {  // the human controls a square of the camp
        d.T -= 0.1;
        if (調査_自守駒MAN_直進駒(g, x, y) == 1) d.T -= 10;
    }
    if (y < 4 && g.board(x, y + 1) == -state::歩 && m.manCount(x, y) >= m.comCount(x, y)) {
        d.T -= 30;  // a human pawn about to enter the camp
        if (調査_自守駒MAN_直進駒(g, x, y + 1) == 1) d.T -= 70;
    }
}

// An attacked computer piece that is protected.
void protectedPiece(state::GameData& g, int x, int y, int p, int ax, int ay, int b, DangerSums& d) {
    const InfluenceMaps& m = g.maps;
    if (駒価値(p) > b) d.T += b - 駒価値(p);
    if (g.pins.manPinned(ax, ay) != 0) return;
    if (m.manCount(x, y) > m.comCount(x, y) && m.comDef(x, y) >= m.manAtk(x, y)) d.T -= p;
    if (y <= 3 && m.comCount(x, y) == m.manCount(x, y) && g.board(x, y + 1) != state::空 &&
        調査_自守駒MAN_直進駒(g, x, y + 1) == 1)
        d.T -= p + m.manAtk(x, y + 1);
}

void computerPiece(state::GameData& g, int x, int y, int p, DangerSums& d) {
    const InfluenceMaps& m = g.maps;
    // A king on its back row with the human reaching the square in front.
    if (p == state::王 && y == 1 && m.manCount(x, 2) > 0) {
        d.T -= 50;
        if (m.manCount(x, 2) >= m.comCount(x, 2)) d.T -= 250;
    }
    if (m.manCount(x, y) <= 0) return;
    const int ax = m.manAtkX(x, y), ay = m.manAtkY(x, y);
    const int b = g.search.base.manAtk(x, y);
    if (m.comDef(x, y) == 15 && (m.manCount(x, y) > 1 || p > m.manAtk(x, y))) d.T -= 100;
    if (g.pins.manPinned(ax, ay) == 0 && 駒価値(p) > b) d.T += b - 駒価値(p);
    if (m.comCount(x, y) > 0) {
        protectedPiece(g, x, y, p, ax, ay, b, d);
        return;
    }
    d.T -= p;  // unprotected
    if (y <= 3) d.T -= 1;
    const int before = g.search.snapshot(x, y);
    if (before <= -1) d.T += state::magnitude(before);  // what it had just taken there
}

void humanPiece(state::GameData& g, int x, int y, int p, int M, int tx, int ty, DangerSums& d) {
    const InfluenceMaps& m = g.maps;
    if (hasComKing(g) && g.search.base.comCount(x, y) == 0 && m.comCount(x, y) > 0 && nearComKing(g, x, y, 3))
        d.T += 15;  // newly attacked near the computer's king
    if ((p == -state::飛 || p == -state::龍 || p == -state::香) && x == m.comKingX) d.T -= 1;
    if (m.manCount(tx, ty) == 0 && (m.manCount(x, y) == 0 || (x == m.manKingX && y == m.manKingY)) &&
        移動チェック(g, tx, ty, x, y, M) == state::有) {
        d.T += 0.1;
        d.F += 1;
        d.G = std::min(d.G, state::magnitude(p));
    }
}

}  // namespace

int 調査_自守駒MAN_直進駒(state::GameData& g, int x, int y) {
    state::BoardTrial lifted(g.board);
    lifted.set(x, y, state::空);
    int result = 0;
    for (int yy = y + 1; yy <= 9; ++yy) {
        const int p = g.board(x, yy);
        if (p >= 1) break;
        if (p == -state::香 || p == -state::飛 || p == -state::龍) {
            result = 移動チェック(g, x, yy, x, y, p) == state::有 ? 1 : 0;
            break;
        }
    }
    return result;
}

double 盤評価_COM危険座標(state::GameData& g, int M, int tx, int ty) {
    DangerSums d;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int p = g.board(x, y);
            if (p == state::空)
                emptySquare(g, x, y, d);
            else if (p >= 1)
                computerPiece(g, x, y, p, d);
            else
                humanPiece(g, x, y, p, M, tx, ty, d);
        }
    }
    if (d.F > 1) d.T += d.G;  // the moved piece forks two or more pieces
    return d.T;
}

}  // namespace engine
