#include "engine/settlement.h"

#include "engine/influence.h"
#include "state/game_data.h"

namespace engine {

using namespace state;

using state::onBoard;

namespace {

// The recording of one walked square. It differs from a single step's: a
// walk sets no checker mark here (the walk marks the line itself).
void recordManWalk(state::GameData& g, int v, int px, int py, int x, int y) {
    InfluenceMaps& m = g.maps;
    m.manCount(x, y) += 1;
    const int s = g.board(x, y);
    if (s <= -1) {
        if (v < m.manDef(x, y)) m.manDef(x, y) = v;
    } else if (s >= 1) {
        m.manAtkCount(x, y) += 1;
        if (v < m.manAtk(x, y)) {
            m.manAtk(x, y) = v;
            m.manAtkX(x, y) = px;
            m.manAtkY(x, y) = py;
        }
    }
}

void recordComWalk(state::GameData& g, int v, int px, int py, int x, int y) {
    InfluenceMaps& m = g.maps;
    m.comCount(x, y) += 1;
    const int s = g.board(x, y);
    if (s >= 1) {
        if (v < m.comDef(x, y)) {
            m.comDef(x, y) = v;
            m.comDefX(x, y) = px;
            m.comDefY(x, y) = py;
        }
    } else if (s <= -1) {
        if (v < m.comAtk(x, y)) {
            m.comAtk(x, y) = v;
            m.comAtkX(x, y) = px;
            m.comAtkY(x, y) = py;
        }
    }
}

// Squares strictly between the slider and the king it reaches can parry the
// check by interposition (1); the slider's own square is the checker (9).
void markCheck(Map& check, int px, int py, int kx, int ky, int dx, int dy) {
    for (int x = px + dx, y = py + dy; x != kx || y != ky; x += dx, y += dy) check(x, y) = 1;
    check(px, py) = 9;
}

// Walks from the piece's square in one direction while on the board.
void walk(state::GameData& g, int code, int px, int py, int dx, int dy) {
    const bool man = code <= -1;
    const int v = state::駒価値(code);
    const int opposingKing = man ? state::王 : -state::王;
    for (int x = px + dx, y = py + dy; onBoard(x, y); x += dx, y += dy) {
        if (man)
            recordManWalk(g, v, px, py, x, y);
        else
            recordComWalk(g, v, px, py, x, y);
        const int s = g.board(x, y);
        if (s != state::空 && s != opposingKing) return;
        if (s == opposingKing) markCheck(man ? g.maps.manCheck : g.maps.comCheck, px, py, x, y, dx, dy);
    }
}

}  // namespace

void 勢力確定上直進(state::GameData& g, int code, int x, int y) { walk(g, code, x, y, 0, -1); }
void 勢力確定下直進(state::GameData& g, int code, int x, int y) { walk(g, code, x, y, 0, +1); }
void 勢力確定右直進(state::GameData& g, int code, int x, int y) { walk(g, code, x, y, +1, 0); }
void 勢力確定左直進(state::GameData& g, int code, int x, int y) { walk(g, code, x, y, -1, 0); }

namespace {

// Both diagonals towards one row edge, the one towards column 1 first.
void diagonals(state::GameData& g, int code, int x, int y, int dy) {
    walk(g, code, x, y, -1, dy);
    walk(g, code, x, y, +1, dy);
}

}  // namespace

// The diagonal procedures are one per side; the walk itself picks the side's
// maps by the sign of the code, which for these callers is always their side.
void 勢力確定自角上(state::GameData& g, int code, int x, int y) { diagonals(g, code, x, y, -1); }
void 勢力確定自角下(state::GameData& g, int code, int x, int y) { diagonals(g, code, x, y, +1); }
void 勢力確定敵角上(state::GameData& g, int code, int x, int y) { diagonals(g, code, x, y, -1); }
void 勢力確定敵角下(state::GameData& g, int code, int x, int y) { diagonals(g, code, x, y, +1); }

void 勢力確定自金(state::GameData& g, int code, int x, int y) {
    for (int i = x - 1; i <= x + 1; ++i)
        for (int j = y - 1; j <= y + 1; ++j)
            if (onBoard(i, j) && !(i == x && j == y) && (i == x || j <= y))
                勢力調査_自駒(g, x, y, i, j, code);
}

void 勢力確定敵金(state::GameData& g, int code, int x, int y) {
    InfluenceMaps& m = g.maps;
    const int v = state::駒価値(code);
    for (int i = x - 1; i <= x + 1; ++i) {
        for (int j = y - 1; j <= y + 1; ++j) {
            if (!onBoard(i, j) || (i == x && j == y) || !(i == x || j >= y)) continue;
            m.comCount(i, j) += 1;
            const int s = g.board(i, j);
            if (s >= 1) {
                if (v < m.comDef(i, j)) m.comDef(i, j) = v;
            } else if (s == -state::王 || s == -state::鵺王) {
                m.comCheck(x, y) = 9;
            }
        }
    }
}

}  // namespace engine
