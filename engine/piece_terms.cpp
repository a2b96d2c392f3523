// Level-3 terms by the kind of the moved piece. Several branches end the
// evaluation at once with the running score plus or minus a fixed amount.
// The terms read codes and table values side by side, and some compare a
// code with a value: that is how the computer plays, kept as it is.
#include <cstdlib>

#include "engine/evaluation.h"
#include "engine/influence.h"
#include "engine/mate.h"
#include "state/game_data.h"

namespace engine {

using namespace state;

using state::駒価値;

namespace {

// Pawn terms: what stands ahead, support, and the pawn's protectors.
void pawnSupport(state::GameData& g, const state::Move& c, double& s) {
    const InfluenceMaps& m = g.maps;
    const state::Board& b = g.board;
    const int tx = c.toX, ty = c.toY;
    if (ty < 9) {
        const int a = b(tx, ty + 1);
        if (a == state::金 || a == state::空) s += 0.5;
        if (a == state::飛) s -= 1;
        if (a < -1 && engine::調査_移動可場所数(g, tx, ty + 1, a) == 0) s += 駒価値(a);
        if (m.comCount(tx, ty + 1) > m.manCount(tx, ty + 1)) s += 2;
    }
    if (m.comCount(tx, ty) > 0) {
        if (tx != 1 && tx != 9) {
            if (b(tx + 1, ty) == state::飛 || b(tx - 1, ty) == state::飛) s -= 1;
            // A defender without a table value (knight, promoted minor) or a dragon.
            if (m.comDef(tx, ty) == 0 || m.comDef(tx, ty) == 駒価値(state::龍)) s += 1;
        }
    } else if (m.manCount(tx, ty) == 0) {
        s += 0.5;
    }
    if (m.comDef(tx, ty) == 駒価値(state::金) || m.comDef(tx, ty) == 駒価値(state::銀)) s += 0.3;
}

// Pawn term: a lance or a rook behind the pawn.
void pawnBacking(state::GameData& g, const state::Move& c, double& s) {
    const InfluenceMaps& m = g.maps;
    const int tx = c.toX, ty = c.toY;
    if (m.comDef(tx, ty) == 駒価値(state::香)) {
        s += 1;
    } else if (m.comDef(tx, ty) == 駒価値(state::飛) && m.comDefX(tx, ty) == tx && m.comDefY(tx, ty) < ty &&
               m.comCount(tx, ty) >= m.manCount(tx, ty)) {
        s += 2;
    }
}

// Pawn term: opening patterns with the own bishop beside the pawn.
void pawnOpening(state::GameData& g, const state::Move& c, double& s) {
    const InfluenceMaps& m = g.maps;
    const state::Board& b = g.board;
    const int tx = c.toX, ty = c.toY;
    if (ty >= 7) return;
    if (b(tx, ty + 1) == -state::歩 && m.manCount(tx, ty + 1) > 0) s -= 5;
    if (tx < 9 && b(tx + 1, ty) == state::角) {
        s += 0.5;
        if (b(tx + 1, ty + 2) == -state::歩) s += 5;
    }
    if (tx > 1) {
        if (tx == 7 && ty == 4 && b(8, 2) == state::角) s += 10;
        if (b(tx - 1, ty) == state::角) {
            s += 0.5;
            if (b(tx - 1, ty + 2) == -state::歩) s += 5;
        }
    }
}

// Pawn term: a pawn capture from a square only one piece protected.
void pawnCapture(state::GameData& g, const state::Move& c, double& s) {
    const InfluenceMaps& m = g.maps;
    if (!(c.captured <= -1 && m.comCount(c.fromX, c.fromY) == 1)) return;
    if (c.toY > 2 && m.manAtk(c.toX, c.toY) == 駒価値(state::香) && g.board(c.toX, c.toY - 2) == state::角)
        s -= 5;
    else
        s += 5;
    if (c.captured == -state::歩 &&
        (m.manAtk(c.toX, c.toY) == 駒価値(state::香) || m.manAtk(c.toX, c.toY) == 駒価値(state::飛)))
        s += 50;
}

double pawnTerms(state::GameData& g, const state::Move& c, double s) {
    const InfluenceMaps& m = g.maps;
    const Baselines& base = g.search.base;
    pawnSupport(g, c, s);
    if (c.toY >= 8) return s;
    pawnBacking(g, c, s);
    pawnOpening(g, c, s);
    pawnCapture(g, c, s);
    // A human piece right ahead of the pawn.
    const int tx = c.toX, ty = c.toY;
    const int ahead = g.board(tx, ty + 1);
    if (ahead > -1) return s;
    if (m.comCount(tx, ty) > m.manCount(tx, ty)) return s + 1;
    if (ahead == -state::歩) return s - 5;
    if (m.comCount(tx, ty) > 0) {
        if (base.comCount(tx, ty + 1) > 0 && base.manCount(tx, ty + 1) == 0) return s - 1;
        if (m.comCount(tx, ty) >= m.manCount(tx, ty)) return s + 5;
        return s;
    }
    if (m.manCount(tx, ty) == 0) return s + 1;
    return s;
}

double promotedPawnTerms(state::GameData& g, const state::Move& c, double s) {
    if (g.maps.comCount(c.toX, c.toY) >= g.maps.manCount(c.toX, c.toY)) return s + 1;
    return s;
}

double silverTerms(state::GameData& g, const state::Move& c, double s) {
    if (c.toY <= 1) return s;
    if (c.toY > c.fromY && c.fromX == c.toX) s -= 0.1;  // a straight advance
    if (c.toX == 7 && c.toY == 3 && g.board(8, 3) == state::歩 && g.board(8, 5) == -state::歩) return s + 115;
    return s;
}

double goldTerms(state::GameData& g, const state::Move& c, double s) {
    const state::Board& b = g.board;
    if (c.toY > c.fromY) {
        if (c.toX != c.fromX) s -= 0.5;                // a diagonal advance
        if (b(c.toX, c.toY - 1) == state::王) s += 5;  // now right in front of its own king
    }
    if (c.toY == 4) {
        if (g.maps.manCount(6, 4) > 0 && b(6, 4) == state::角) return s - 5;
    } else if (c.toY == 2) {
        if (c.toX == 7 && b(8, 3) == state::歩 && b(8, 6) == -state::歩 &&
            g.maps.manDef(8, 6) == 駒価値(state::飛))
            return s + 10;
    }
    return s;
}

double bishopTerms(state::GameData& g, const state::Move& c, double s) {
    const InfluenceMaps& m = g.maps;
    const state::Board& b = g.board;
    s += 調査_周辺状況(g, c.toX, c.toY);
    if (c.toY < 9) {
        if (c.toY == 3) {
            if (c.toX == 9 && b(9, 4) == state::歩 && b(9, 6) == -state::歩 && b(9, 9) == -state::香)
                s -= 10;
            else if (c.toX == 7 && b(8, 5) == -state::歩 && m.manDef(8, 5) == 駒価値(state::飛))
                s += 9;
        }
        if (m.manCount(c.toX, c.toY + 1) > 0) {
            if (engine::調査_移動可場所数(g, c.toX, c.toY, state::角) == 0) s -= 100;
            if (c.toY < 8 && b(c.toX, c.toY + 2) == -state::歩) s -= 1;
        }
    }
    if (c.fromY == 3 && c.fromX == 7) {
        if (b(8, 5) == -state::歩 && m.manDef(8, 5) == 駒価値(state::飛) &&
            m.comCount(8, 4) < g.search.base.comCount(8, 4))
            return s - 10;
    }
    return s;
}

double horseTerms(state::GameData& g, const state::Move& c, double s) {
    return s + 調査_周辺状況(g, c.toX, c.toY);
}

// The rook or dragon stands safe on the human king's line within two squares.
bool onKingLineNearby(const state::GameData& g, const state::Move& c) {
    const int kx = g.maps.manKingX, ky = g.maps.manKingY;
    return (c.toX == kx || c.toY == ky) && std::abs(c.toX - kx) < 3 && std::abs(c.toY - ky) < 3;
}

bool safeOrOnlyKingAttacks(const state::GameData& g, const state::Move& c) {
    const InfluenceMaps& m = g.maps;
    return m.manCount(c.toX, c.toY) == 0 ||
           (m.manAtk(c.toX, c.toY) == 駒価値(state::王) && m.comCount(c.toX, c.toY) > 0);
}

double rookTerms(state::GameData& g, const state::Move& c, double s) {
    const InfluenceMaps& m = g.maps;
    const state::Board& b = g.board;
    s += 調査_周辺状況(g, c.toX, c.toY);
    if (c.toY < 8) {
        if (m.manCount(c.toX, c.toY + 1) > 0) {
            s -= 1;
            if (b(c.toX, c.toY + 2) == -state::歩 && c.toY == c.fromY) s -= 5;
        }
        if (c.fromY < 9 && b(8, c.fromY + 1) == -state::歩 && m.manDef(8, c.fromY + 1) == 駒価値(state::飛)) {
            if (m.comCount(8, c.fromY) < g.search.base.comCount(8, c.fromY)) s -= 11;
            if (b(7, c.fromY) == state::歩 && c.toY != c.fromY) s -= 11;
        }
        if (m.manCount(c.fromX, c.fromY) == 0 && c.fromX == 2 && c.fromY == 2 && c.toX == 2 && c.toY == 3)
            s -= 1;
    }
    if (safeOrOnlyKingAttacks(g, c)) {
        if (engine::調査_移動可場所数(g, c.toX, c.toY, state::飛) <= 1) return s - 35;
        if (onKingLineNearby(g, c)) return s + 100;
    }
    return s;
}

double dragonTerms(state::GameData& g, const state::Move& c, double s) {
    const state::Board& b = g.board;
    s += 調査_周辺状況(g, c.toX, c.toY);
    if (b(c.toX, c.toY - 1) == -state::銀) {
        if (1 < c.toX && c.toX < 9) {
            if ((b(c.toX - 1, c.toY) != state::空 && b(c.toX + 1, c.toY - 1) == -state::金) ||
                (b(c.toX + 1, c.toY) != state::空 && b(c.toX - 1, c.toY - 1) == -state::金))
                s -= 10;
        }
        if (c.fromY == 9) {
            if (c.fromX > 1 && b(c.fromX - 1, c.fromY - 1) == -state::金) s += 2;
            if (c.fromX < 9 && b(c.fromX + 1, c.fromY - 1) == -state::金) s += 2;
        }
    }
    if (c.toY == 9 && b(c.toX, 8) <= -1) {
        if (c.toX == 3 && b(2, 9) <= -1 && b(4, 8) == -state::金) s -= 150;
        if (c.toX == 7 && b(8, 9) <= -1 && b(6, 8) == -state::金) s -= 150;
    }
    if (safeOrOnlyKingAttacks(g, c) && onKingLineNearby(g, c)) return s + 100;
    return s;
}

// The Nue King, and its test for a second step: after a capture by a single
// step, would the square it came from be a safe place to step back to?
double nueKingTerms(state::GameData& g, const state::Move& c, double s) {
    const InfluenceMaps& m = g.maps;
    state::Board& b = g.board;
    if (m.manCount(c.toX, c.toY) == 0 && c.toY < 9) {
        if (b(c.toX, c.toY + 1) <= -1) s += 2;
        if (c.toX < 9 && b(c.toX + 1, c.toY + 1) <= -1) s += 2;
        if (c.toX > 1 && b(c.toX - 1, c.toY + 1) <= -1) s += 2;
    }
    if (m.comCount(c.toX, c.toY) > 0) s += 0.1;
    // A reference square that nothing ever sets, kept as the computer plays it.
    if (m.comCount(c.toX, c.toY) > 0 &&
        ((c.toX == 1 && c.toY == 2) || (c.toX == 2 && c.toY == 1) || (c.toX == 2 && c.toY == 2)))
        s += 5;
    if (c.captured == 0 || std::abs(c.toX - c.fromX) >= 2 || std::abs(c.toY - c.fromY) >= 2) return s;
    b(c.toX, c.toY) = state::空;
    b(c.fromX, c.fromY) = state::鵺王;
    勢力調査_COM(g);
    勢力調査_MAN(g);
    if (m.manCount(c.fromX, c.fromY) == 0) return 1000;
    if (m.manAtk(c.fromX, c.fromY) == 駒価値(state::鵺王) && m.comCount(c.fromX, c.fromY) > 0) return 1000;
    if (c.toX < 9 && m.manCount(c.toX + 1, c.fromY) == 0) return 1000;
    if (c.toX > 1 && m.manCount(c.toX - 1, c.fromY) == 0) return 1000;
    return s;
}

double kingTerms(state::GameData& g, const state::Move& c, double s) {
    if (g.pins.comHasPinned) s += 10;
    if (g.maps.comCount(c.toX, c.toY) > g.search.base.comCount(c.toX, c.toY)) s += 1;
    if (engine::調査_移動可場所数(g, c.toX, c.toY, state::王) < 2) return s - 20;
    return s;
}

}  // namespace

int 調査_周辺状況(const state::GameData& g, int tx, int ty) {
    int n = 0;
    for (int x = tx - 1; x <= tx + 1; ++x)
        for (int y = ty - 1; y <= ty + 1; ++y)
            if (state::onBoard(x, y) && !(x == tx && y == ty) && g.board(x, y) >= state::角) --n;
    return n;
}

double 駒別評価(state::GameData& g, const state::Move& c, double s) {
    switch (c.placed) {
        case state::歩: return pawnTerms(g, c, s);
        case state::と: return promotedPawnTerms(g, c, s);
        case state::銀: return silverTerms(g, c, s);
        case state::金: return goldTerms(g, c, s);
        case state::角: return bishopTerms(g, c, s);
        case state::馬: return horseTerms(g, c, s);
        case state::飛: return rookTerms(g, c, s);
        case state::龍: return dragonTerms(g, c, s);
        case state::鵺王: return nueKingTerms(g, c, s);
        case state::王: return kingTerms(g, c, s);
        default: return s;  // lance and the promoted minor pieces have no terms
    }
}

}  // namespace engine
