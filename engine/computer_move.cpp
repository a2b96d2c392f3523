#include "engine/computer_move.h"

#include <algorithm>
#include <cstdlib>

#include "engine/evaluation.h"
#include "engine/influence.h"
#include "engine/mate.h"
#include "engine/move_context.h"
#include "engine/pins.h"
#include "rules/move_execution.h"
#include "state/board_trial.h"
#include "state/game_data.h"

namespace engine {

using namespace state;

namespace {

void surveyBoth(state::GameData& g) {
    勢力調査_MAN(g);
    勢力調査_COM(g);
}

// What the evaluation compares every candidate with.
void takeBaselines(state::GameData& g) {
    Baselines& b = g.search.base;
    const InfluenceMaps& m = g.maps;
    b.manCount = m.manCount;
    b.comCount = m.comCount;
    b.manAtk = m.manAtk;
    b.comAtk = m.comAtk;
    b.comAtkX = m.comAtkX;
    b.comAtkY = m.comAtkY;
}

// Steps before the candidates: snapshot, escape squares, surveys, pins.
void prepareSearch(state::GameData& g) {
    g.search.snapshot = g.board;
    g.search.escapeMap.fillSquares(0);
    g.search.base.escapeCount = engine::調査_自王逃道(g);
    勢力調査_両軍(g);
    調査_移動不可駒(g);
    takeBaselines(g);
}

// Scores the candidate now on the board, choosing promotion where it may.
// Unpromoted is tried first and keeps a tie.
double scoreCandidate(state::GameData& g, int x, int y, int tx, int ty, int p, int c, int& placed,
                      SearchListener* listener) {
    auto evaluate = [&](int piece) {
        surveyBoth(g);
        const double s = 盤評価(g, c, piece, x, y, tx, ty);
        if (listener) listener->evaluated(x, y, tx, ty, piece, s);
        return s;
    };
    placed = p;
    int promoted = p;
    if (rules::調査_駒成(x, y, tx, ty, p, promoted) == state::無) return evaluate(p);
    if (rules::移動後チェック(ty, p) == state::無) {
        g.board(tx, ty) = promoted;
        placed = promoted;
        return evaluate(promoted);
    }
    double s = evaluate(p);
    g.board(tx, ty) = promoted;
    const double promotedScore = evaluate(promoted);
    if (promotedScore > s) {
        s = promotedScore;
        placed = promoted;
    }
    return s;
}

int kingDistance(int x1, int y1, int x2, int y2) { return std::max(std::abs(x1 - x2), std::abs(y1 - y2)); }

}  // namespace

Choice 指し手探索(state::GameData& g, SearchListener* listener) {
    Choice best;
    prepareSearch(g);
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int p = g.board(x, y);
            if (p < 1) continue;
            int x1, x2, y1, y2;
            rules::取得_駒移動座標(p, x, y, x1, x2, y1, y2);
            for (int tx = x1; tx <= x2; ++tx) {
                for (int ty = y1; ty <= y2; ++ty) {
                    if (移動チェック(g, x, y, tx, ty, p) != state::有) continue;
                    g.search.approach = kingDistance(g.maps.manKingX, g.maps.manKingY, x, y);
                    g.search.fromPiece = p;
                    const int c = g.board(tx, ty);
                    int placed = p;
                    double s = 0;
                    {
                        // The scoring may promote the piece or try the Nue King's
                        // return; the trial puts both squares back.
                        state::BoardTrial trial(g.board);
                        trial.set(x, y, state::空);
                        trial.set(tx, ty, p);
                        s = scoreCandidate(g, x, y, tx, ty, p, c, placed, listener);
                    }
                    if (s > best.score) {
                        best = Choice{true, state::Move{x, y, tx, ty, false, 0, 0, p, placed, c, 0}, s};
                        if (c == -state::王) return best;
                    }
                }
            }
        }
    }
    return best;
}

bool 二手目要求(const Choice& c) {
    return c.score >= 1000 && c.score <= 1030 && c.move.placed == c.move.moved && c.move.moved == state::鵺王;
}

}  // namespace engine
