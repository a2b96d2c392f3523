#include "engine/mate.h"

#include "engine/influence.h"
#include "engine/move_context.h"
#include "state/board_trial.h"
#include "state/game_data.h"

namespace engine {

using namespace rules;  // piece codes and the answers 有/無 read as in the rules
using namespace state;

int 調査_自王逃道(state::GameData& g) {
    const int kx = g.maps.manKingX;
    const int ky = g.maps.manKingY;
    int count = 0;
    for (int x = kx - 1; x <= kx + 1; ++x) {
        for (int y = ky - 1; y <= ky + 1; ++y) {
            if ((x == kx && y == ky) || !onBoard(x, y)) continue;
            if (g.board(x, y) == 空 && g.maps.comCount(x, y) == 0) {
                g.search.escapeMap(x, y) = 1;
                ++count;
            }
        }
    }
    return count;
}

namespace {

// The human mate test's escape: a royal move to an uncontrolled square.
bool manRoyalEscapes(state::GameData& g, int kx, int ky) {
    const int royal = g.board(kx, ky);
    if (royal != -王 && royal != -鵺王) return false;
    for (int x = kx - 2; x <= kx + 2; ++x)
        for (int y = ky - 2; y <= ky + 2; ++y)
            if (onBoard(x, y) && 移動チェック(g, kx, ky, x, y, royal) == 有 && g.maps.comCount(x, y) == 0)
                return true;
    return false;
}

// Tries a move onto a checker-marked square and asks whether some computer
// piece still reaches the royal square afterwards.
bool parryLeavesRoyalAttacked(state::GameData& g, int x, int y, int tx, int ty) {
    state::BoardTrial trial(g.board);
    trial.move(x, y, tx, ty, g.board(x, y));
    return 詰めかMAN_COM王移動(g) == 有;
}

}  // namespace

int 詰めかMAN(state::GameData& g) {
    const int kx = g.maps.manKingX;
    const int ky = g.maps.manKingY;
    if (g.maps.comCount(kx, ky) == 0) return 無;
    if (manRoyalEscapes(g, kx, ky)) return 無;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int piece = g.board(x, y);
            if (piece > -1 || piece < -王) continue;
            for (int tx = 1; tx <= 9; ++tx) {
                for (int ty = 1; ty <= 9; ++ty) {
                    if ((tx == x && ty == y) || g.maps.comCheck(tx, ty) == 0) continue;
                    if (移動チェック(g, x, y, tx, ty, piece) != 有) continue;
                    if (!parryLeavesRoyalAttacked(g, x, y, tx, ty)) return 無;
                }
            }
        }
    }
    return 有;
}

int 詰めかMAN_COM王移動(state::GameData& g) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int p = g.board(x, y);
            if (p >= 1 && 移動チェック(g, x, y, g.maps.manKingX, g.maps.manKingY, p) == 有) return 有;
        }
    return 無;
}

int 詰めかCOM(state::GameData& g) {
    const int kx = g.maps.comKingX;
    const int ky = g.maps.comKingY;
    if (g.maps.manCount(kx, ky) == 0) return 無;
    for (int x = kx - 1; x <= kx + 1; ++x)
        for (int y = ky - 1; y <= ky + 1; ++y)
            if (onBoard(x, y) && 移動チェック(g, kx, ky, x, y, 王) == 有 && g.maps.manCount(x, y) == 0)
                return 無;
    // The squares to try are those marked when the test began: the trial
    // surveys below rewrite the marks.
    const state::Map marks = g.maps.manCheck;
    for (int x = 1; x <= 9; ++x) {
        for (int y = 1; y <= 9; ++y) {
            const int piece = g.board(x, y);
            if (piece < 1 || piece >= 王) continue;
            for (int tx = 1; tx <= 9; ++tx) {
                for (int ty = 1; ty <= 9; ++ty) {
                    if (marks(tx, ty) == 0 || 移動チェック(g, x, y, tx, ty, piece) != 有) continue;
                    {
                        state::BoardTrial trial(g.board);
                        trial.move(x, y, tx, ty, piece);
                        engine::勢力調査_MAN(g);
                    }
                    if (g.maps.manCount(kx, ky) == 0) return 無;
                }
            }
        }
    }
    return 有;
}

void 調査_駒数(const state::GameData& g, int& man, int& com) {
    man = 0;
    com = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            if (g.board(x, y) >= 1) ++com;
            if (g.board(x, y) <= -1) ++man;
        }
}

int 調査_移動可場所数(state::GameData& g, int x, int y, int piece) {
    if (piece == 鵺王 || piece == -鵺王) return 1;
    int count = 0;
    for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty) {
            if (移動チェック(g, x, y, tx, ty, piece) != 有) continue;
            const int opponent = piece >= 1 ? g.maps.manCount(tx, ty) : g.maps.comCount(tx, ty);
            if (opponent == 0) ++count;
        }
    return count;
}

}  // namespace engine
