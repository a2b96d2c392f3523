#include "engine/evaluation.h"

#include <cstdlib>
#include <optional>

#include "engine/mate.h"
#include "engine/move_context.h"
#include "state/game_data.h"

namespace engine {

using namespace state;

using state::駒価値;

namespace {

// Every term is added to the running score on its own, in this order, so that
// equal positions give bit-identical scores.

std::optional<double> decisive(state::GameData& g, const state::Move& c) {
    const InfluenceMaps& m = g.maps;
    if (c.captured == -state::王 || c.captured == -state::鵺王) return 9999;
    if (m.manCount(m.comKingX, m.comKingY) > 0) return -9998;  // the own king left attacked
    if (m.comCount(m.manKingX, m.manKingY) > 0 && engine::詰めかMAN(g) == state::有)
        return c.placed == state::歩 ? -9998 : 9998;  // mate by a pawn move is refused
    return std::nullopt;
}

// A check that is not mate.
void checkBonuses(state::GameData& g, const state::Move& c, double& s) {
    const InfluenceMaps& m = g.maps;
    const int kx = m.manKingX, ky = m.manKingY;
    if (m.comCount(kx, ky) == 0) return;
    // Only the king can take the checking piece, and it is protected.
    if (m.manAtk(c.toX, c.toY) == 駒価値(state::王) && m.comCount(c.toX, c.toY) > 0) s += 50;
    // A checker diagonally next to the king, protected by a dragon on the king's line.
    if (m.manCount(c.toX, c.toY) <= 2 && m.comDef(c.toX, c.toY) == 駒価値(state::龍) && c.toX != kx &&
        c.toY != ky && std::abs(kx - c.toX) < 2 && std::abs(ky - c.toY) < 2 &&
        (m.comDefX(c.toX, c.toY) == kx || m.comDefY(c.toX, c.toY) == ky))
        s += 500;
    if (m.manCount(c.toX, c.toY) == 0) s += 10;  // the checker cannot be taken
}

void promotionTerms(state::GameData& g, const state::Move& c, double& s) {
    if (c.placed <= g.search.fromPiece) return;
    s += 0.1;
    if (g.maps.manCount(c.toX, c.toY) == 0) s += 10;
}

// An attacked piece escapes to a square the human does not reach.
void safeSquareTerms(state::GameData& g, const state::Move& c, double& s) {
    const InfluenceMaps& m = g.maps;
    const Baselines& b = g.search.base;
    if (m.manCount(c.toX, c.toY) != 0) return;
    if (b.comCount(c.fromX, c.fromY) == 0 && b.manCount(c.fromX, c.fromY) > 0) s += 1;
    if (m.manCount(c.fromX, c.fromY) > 0 && 駒価値(c.placed) > b.manAtk(c.fromX, c.fromY))
        s += 駒価値(c.placed);
}

// The to-square is nearer the human's royal piece than the from-square was.
void approachTerm(state::GameData& g, const state::Move& c, double& s) {
    const int dx = std::abs(c.toX - g.maps.manKingX);
    const int dy = std::abs(c.toY - g.maps.manKingY);
    const int a = g.search.approach;
    if (dx > dy) {
        if (a > dx) s += 1;
    } else if (a > dy) {
        s += 0.1;
    }
}

// The piece's cheapest attacker is pinned to the human king and could be taken.
void pinnedAttackerTerm(state::GameData& g, const state::Move& c, double& s) {
    const InfluenceMaps& m = g.maps;
    const int ax = m.manAtkX(c.toX, c.toY), ay = m.manAtkY(c.toX, c.toY);
    const int kx = m.manKingX, ky = m.manKingY;
    if (m.manCount(ax, ay) <= 0) return;
    const int onTo = m.manCount(c.toX, c.toY);
    if (!(onTo == 1 || (onTo == 2 && m.comCount(kx, ky) > 0 && m.comCount(c.toX, c.toY) > 0))) return;
    if (g.pins.manPinned(ax, ay) != 1) return;
    if (!((ax == kx && c.toX != kx) || (ay == ky && c.toY != ky) ||
          ((c.toX == kx || c.toY == ky) && ax != kx && ay != ky)))
        return;
    if (移動チェック(g, c.toX, c.toY, ax, ay, g.search.fromPiece) != state::有) return;
    // The computer's attacker of that square before the move, read only where
    // one was recorded then: elsewhere the square would be left over from an
    // earlier position.
    const Baselines& b = g.search.base;
    if (b.comAtk(ax, ay) >= kNone) return;
    if (g.board(b.comAtkX(ax, ay), b.comAtkY(ax, ay)) == state::空) return;
    s += state::magnitude(g.board(ax, ay));
}

void quietTerms(state::GameData& g, const state::Move& c, double& s) {
    const InfluenceMaps& m = g.maps;
    const int attacker = m.manAtk(c.toX, c.toY);
    if (駒価値(c.placed) > attacker) s += attacker - 駒価値(c.placed);  // the expected loss
    if (c.placed == state::香 || (std::abs(c.toX - m.manKingX) < 3 && std::abs(c.toY - m.manKingY) < 3)) {
        if (m.manCount(c.toX, c.toY) == 0) {
            const int escapes = engine::調査_自王逃道(g);
            if (escapes < g.search.base.escapeCount) s += g.search.base.escapeCount - escapes;
        }
    }
    // Terms on a reference square that nothing ever sets, so they act on (1, 1).
    if (c.toX == 1 && c.toY == 1) s -= 5;
    if (c.fromX == 1 && c.fromY == 1) {
        s -= 1;
        if (m.manCount(c.toX, c.toY) == 0) s += 5;
    }
}

// Returns 9999 for a capture that leaves the computer ahead in a bare ending.
std::optional<double> captureTerms(state::GameData& g, const state::Move& c, double& s) {
    const InfluenceMaps& m = g.maps;
    int human = 0, computer = 0;
    engine::調査_駒数(g, human, computer);
    if (human + computer <= 3 && computer > human) return 9999;
    const int vc = 駒価値(c.captured), vm = 駒価値(c.placed);
    if (vc != vm)
        s += vc - vm;
    else
        s += 5;
    if (m.manCount(c.toX, c.toY) > 0) {
        if (m.comCount(c.toX, c.toY) > 0) {
            if (vm < m.manAtk(c.toX, c.toY)) s += vc;
        } else {
            s += vc - vm;
            if (g.search.base.manCount(c.fromX, c.fromY) > 0 &&
                engine::調査_移動可場所数(g, c.fromX, c.fromY, c.placed) == 0)
                s += vc;
        }
    } else {
        s += 5 * vc;
        if (c.captured == -state::と) s += 50;
    }
    return std::nullopt;
}

}  // namespace

double 盤評価(state::GameData& g, int C, int M, int X, int Y, int TX, int TY) {
    // The candidate as the terms read it: C captured, M placed (and moved: no term reads what stood before).
    const state::Move c{X, Y, TX, TY, false, 0, 0, M, M, C, 0};
    if (const auto d = decisive(g, c)) return *d;
    double s = 0;
    checkBonuses(g, c, s);
    promotionTerms(g, c, s);
    s += 盤評価_COM危険座標(g, M, TX, TY);
    if (g.state.level == 1) return s;
    safeSquareTerms(g, c, s);
    approachTerm(g, c, s);
    pinnedAttackerTerm(g, c, s);
    if (C == 0) {
        quietTerms(g, c, s);
    } else if (const auto won = captureTerms(g, c, s)) {
        return *won;
    }
    if (g.state.level == 2) return s;
    return 駒別評価(g, c, s);
}

}  // namespace engine
