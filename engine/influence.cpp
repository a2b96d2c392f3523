#include "engine/influence.h"

#include "engine/settlement.h"
#include "state/game_data.h"

namespace engine {

using namespace state;

using state::onBoard;

namespace {

// The cleared maps, whole: copying one is cheaper than writing 81 squares one
// by one. Row and column 0 stay 0 in both.
constexpr Map clearedTo(int value) {
    Map m;
    m.fillSquares(value);
    return m;
}
constexpr Map kAllZero = clearedTo(0);
constexpr Map kAllNone = clearedTo(kNone);

// One step of a piece: recorded only when the square is on the board.
void manStep(state::GameData& g, int x, int y, int tx, int ty, int code) {
    if (onBoard(tx, ty)) 勢力調査_自駒(g, x, y, tx, ty, code);
}

void comStep(state::GameData& g, int x, int y, int tx, int ty, int code) {
    if (onBoard(tx, ty)) 勢力調査_敵駒(g, x, y, tx, ty, code);
}

// Every square within two steps, with no blocking: the Nue King's reach.
template <typename Step>
void nueKingReach(state::GameData& g, int x, int y, int code, Step step) {
    for (int i = x - 2; i <= x + 2; ++i)
        for (int j = y - 2; j <= y + 2; ++j)
            if (!(i == x && j == y)) step(g, x, y, i, j, code);
}

// The human king's neighbours: counted inline, and a defended piece shows the
// king's code -15 rather than a value. The king never counts as attacker.
void manKingNeighbourhood(state::GameData& g, int x, int y) {
    InfluenceMaps& m = g.maps;
    for (int i = x - 1; i <= x + 1; ++i) {
        for (int j = y - 1; j <= y + 1; ++j) {
            if (!onBoard(i, j) || (i == x && j == y)) continue;
            m.manCount(i, j) += 1;
            const int p = g.board(i, j);
            if (p <= -1 && m.manDef(i, j) > -15) m.manDef(i, j) = -15;
            if (p >= 1) m.manAtkCount(i, j) += 1;
        }
    }
}

// The computer king's neighbours: a defended piece shows the code 15 when
// nothing cheaper defends it; the defender's square is not written.
void comKingNeighbourhood(state::GameData& g, int x, int y) {
    InfluenceMaps& m = g.maps;
    for (int i = x - 1; i <= x + 1; ++i) {
        for (int j = y - 1; j <= y + 1; ++j) {
            if (!onBoard(i, j) || (i == x && j == y)) continue;
            m.comCount(i, j) += 1;
            if (g.board(i, j) >= 1 && m.comDef(i, j) > 15) m.comDef(i, j) = 15;
        }
    }
}

void dispatchMan(state::GameData& g, int x, int y, int code) {
    switch (code) {
        case -state::歩:
            if (y > 1) manStep(g, x, y, x, y - 1, code);
            break;
        case -state::と:
        case -state::金: 勢力確定自金(g, code, x, y); break;
        case -state::香: 勢力確定上直進(g, code, x, y); break;
        case -state::銀:
            if (y < 9) {
                manStep(g, x, y, x + 1, y + 1, code);
                manStep(g, x, y, x - 1, y + 1, code);
            }
            if (y > 1) {
                manStep(g, x, y, x, y - 1, code);
                manStep(g, x, y, x + 1, y - 1, code);
                manStep(g, x, y, x - 1, y - 1, code);
            }
            break;
        case -state::飛:
        case -state::龍:
            勢力確定下直進(g, code, x, y);
            勢力確定上直進(g, code, x, y);
            勢力確定右直進(g, code, x, y);
            勢力確定左直進(g, code, x, y);
            if (code == -state::龍) {
                if (y > 1) {
                    manStep(g, x, y, x - 1, y - 1, code);
                    manStep(g, x, y, x + 1, y - 1, code);
                }
                if (y < 9) {
                    manStep(g, x, y, x - 1, y + 1, code);
                    manStep(g, x, y, x + 1, y + 1, code);
                }
            }
            break;
        case -state::馬:
            manStep(g, x, y, x, y - 1, code);
            manStep(g, x, y, x, y + 1, code);
            manStep(g, x, y, x - 1, y, code);
            manStep(g, x, y, x + 1, y, code);
            [[fallthrough]];
        case -state::角:
            勢力確定自角上(g, code, x, y);
            勢力確定自角下(g, code, x, y);
            break;
        case -state::鵺王:
            g.maps.manKingX = x;
            g.maps.manKingY = y;
            nueKingReach(g, x, y, code, manStep);
            break;
        case -state::王:
            g.maps.manKingX = x;
            g.maps.manKingY = y;
            manKingNeighbourhood(g, x, y);
            break;
        default: break;  // knights and promoted lance, knight, silver reach nothing here
    }
}

void dispatchCom(state::GameData& g, int x, int y, int code) {
    switch (code) {
        case state::歩:
            if (y < 9) comStep(g, x, y, x, y + 1, code);
            break;
        case state::と:
        case state::金: 勢力確定敵金(g, code, x, y); break;
        case state::香: 勢力確定下直進(g, code, x, y); break;
        case state::銀:
            if (y > 1) {
                comStep(g, x, y, x + 1, y - 1, code);
                comStep(g, x, y, x - 1, y - 1, code);
            }
            if (y < 9) {
                comStep(g, x, y, x, y + 1, code);
                comStep(g, x, y, x + 1, y + 1, code);
                comStep(g, x, y, x - 1, y + 1, code);
            }
            break;
        case state::飛:
        case state::龍:
            勢力確定下直進(g, code, x, y);
            勢力確定上直進(g, code, x, y);
            勢力確定右直進(g, code, x, y);
            勢力確定左直進(g, code, x, y);
            if (code == state::龍) {
                for (int i = x - 1; i <= x + 1; ++i)
                    for (int j = y - 1; j <= y + 1; ++j)
                        if (i != x && j != y) comStep(g, x, y, i, j, code);
            }
            break;
        case state::馬:
            comStep(g, x, y, x, y - 1, code);
            comStep(g, x, y, x, y + 1, code);
            comStep(g, x, y, x - 1, y, code);
            comStep(g, x, y, x + 1, y, code);
            [[fallthrough]];
        case state::角:
            勢力確定敵角上(g, code, x, y);
            勢力確定敵角下(g, code, x, y);
            break;
        case state::鵺王: nueKingReach(g, x, y, code, comStep); break;
        case state::王:
            g.maps.comKingX = x;
            g.maps.comKingY = y;
            comKingNeighbourhood(g, x, y);
            break;
        default: break;
    }
}

}  // namespace

void 勢力調査_MAN(state::GameData& g) {
    InfluenceMaps& m = g.maps;
    m.manCount = kAllZero;
    m.manAtkCount = kAllZero;
    m.manCheck = kAllZero;
    m.manAtk = kAllNone;
    m.manDef = kAllNone;
    m.manAtkX = kAllZero;
    m.manAtkY = kAllZero;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (g.board(x, y) <= -1) dispatchMan(g, x, y, g.board(x, y));
}

void 勢力調査_COM(state::GameData& g) {
    InfluenceMaps& m = g.maps;
    m.comCount = kAllZero;
    m.comCheck = kAllZero;
    m.comAtk = kAllNone;
    m.comDef = kAllNone;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (g.board(x, y) >= 1) dispatchCom(g, x, y, g.board(x, y));
}

void 勢力調査_両軍(state::GameData& g) {
    g.maps.manKingX = 0;
    g.maps.comKingX = 0;
    勢力調査_MAN(g);
    勢力調査_COM(g);
}

void 勢力調査_自駒(state::GameData& g, int x1, int y1, int x2, int y2, int code) {
    InfluenceMaps& m = g.maps;
    const int v = state::駒価値(code);
    m.manCount(x2, y2) += 1;
    const int target = g.board(x2, y2);
    if (target <= -1) {
        if (v < m.manDef(x2, y2)) m.manDef(x2, y2) = v;
        return;
    }
    if (target >= 1) {
        m.manAtkCount(x2, y2) += 1;
        if (v < m.manAtk(x2, y2)) {
            m.manAtk(x2, y2) = v;
            m.manAtkX(x2, y2) = x1;
            m.manAtkY(x2, y2) = y1;
        }
        if (target == state::王 || target == state::鵺王) m.manCheck(x1, y1) = 9;
    }
}

void 勢力調査_敵駒(state::GameData& g, int x1, int y1, int x2, int y2, int code) {
    InfluenceMaps& m = g.maps;
    const int v = state::駒価値(code);
    m.comCount(x2, y2) += 1;
    const int target = g.board(x2, y2);
    if (target <= -1) {
        if (v < m.comAtk(x2, y2)) {
            m.comAtk(x2, y2) = v;
            m.comAtkX(x2, y2) = x1;
            m.comAtkY(x2, y2) = y1;
        }
    } else if (target >= 1) {
        if (v < m.comDef(x2, y2)) {
            m.comDef(x2, y2) = v;
            m.comDefX(x2, y2) = x1;
            m.comDefY(x2, y2) = y1;
        }
    }
    if (target == -state::王 || target == -state::鵺王) m.comCheck(x1, y1) = 9;
}

}  // namespace engine
