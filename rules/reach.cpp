#include "rules/reach.h"

#include <cstdlib>

#include "rules/move_check.h"
#include "state/board_trial.h"
#include "state/pieces.h"

namespace rules {

using namespace state;

namespace {

// Reach is a property of the position, so the move check is asked as of a
// move entered normally with nothing recorded:
// - the immediate-recapture rule (先鵺子) depends only on the last move, and
//   that move took a Nue King, which ends the game; counting with it would
//   change the picture of an ended position only, and by history not board;
// - the guarded-Nue-King rule depends on the board alone and stays: a Nue
//   King does not reach the other Nue King while that one is guarded. Its
//   lifting during a second step is a matter of the two-step route, which
//   the capture test below follows on its own.
constexpr MoveContext kAfresh{};
constexpr MoveContext kSecondStep{{}, true};

bool opponents(int a, int b) { return (a >= 1 && b <= -1) || (a <= -1 && b >= 1); }

// The code a square is read as for the pieces of one side (sign +1 upper,
// -1 lower): an opponent piece as it stands, anything else as an opponent pawn.
int targetFor(int sign, int code) { return opponents(sign, code) ? code : -sign * 歩; }

bool adjacent(int x, int y, int tx, int ty) {
    return std::abs(tx - x) <= 1 && std::abs(ty - y) <= 1 && (tx != x || ty != y);
}

// The count of one side's pieces that reach (tx, ty), with the square already
// read as targetFor() gives.
int countReaching(Board& b, int sign, int tx, int ty) {
    int n = 0;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int p = b(x, y);
            if (p != 空 && (p >= 1) == (sign > 0) && 移動チェック(b, kAfresh, x, y, tx, ty, p) == 有) ++n;
        }
    return n;
}

// A two-step capture by the Nue King `nue` on (nx, ny) of whatever stands on
// (tx, ty): a first step beside the target, then the second step onto it,
// where the guarded-Nue-King rule no longer holds.
bool twoStepCapture(Board& b, int nx, int ny, int tx, int ty) {
    const int nue = b(nx, ny);
    const int step = nue > 0 ? 王 : -王;
    for (int ix = nx - 1; ix <= nx + 1; ++ix)
        for (int iy = ny - 1; iy <= ny + 1; ++iy) {
            if (!adjacent(ix, iy, tx, ty) || 移動チェック(b, kAfresh, nx, ny, ix, iy, nue) != 有) continue;
            state::BoardTrial first(b);
            first.move(nx, ny, ix, iy, nue);
            const bool takes = 移動チェック(b, kSecondStep, ix, iy, tx, ty, step) == 有 &&
                               移動チェック(b, kSecondStep, ix, iy, tx, ty, nue) == 有;
            if (takes) return true;
        }
    return false;
}

// Could a piece opposed to the one on (tx, ty) capture it, by any single
// move or by a Nue King's two steps?
bool capturable(Board& b, int tx, int ty) {
    const int victim = b(tx, ty);
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int p = b(x, y);
            if (!opponents(p, victim)) continue;
            if (移動チェック(b, kAfresh, x, y, tx, ty, p) == 有) return true;
            if ((p == 鵺王 || p == -鵺王) && twoStepCapture(b, x, y, tx, ty)) return true;
        }
    return false;
}

}  // namespace

int 調査_利き(Board& b, int x, int y, int tx, int ty) {
    const int p = b(x, y);
    if (p == 空 || !onBoard(tx, ty)) return 無;
    const int sign = p >= 1 ? 1 : -1;
    state::BoardTrial target(b);
    target.set(tx, ty, targetFor(sign, b(tx, ty)));
    return 移動チェック(b, kAfresh, x, y, tx, ty, p);
}

ReachCounts 調査_利き数(Board& b) {
    ReachCounts counts;
    for (int tx = 1; tx <= 9; ++tx)
        for (int ty = 1; ty <= 9; ++ty) {
            const int code = b(tx, ty);
            {
                state::BoardTrial target(b);
                target.set(tx, ty, targetFor(-1, code));
                counts.lower(tx, ty) = countReaching(b, -1, tx, ty);
            }
            state::BoardTrial target(b);
            target.set(tx, ty, targetFor(1, code));
            counts.upper(tx, ty) = countReaching(b, 1, tx, ty);
        }
    return counts;
}

bool 調査_着地被取(Board& b, int x, int y, int tx, int ty, int placed) {
    // The source first: a piece stepping back to where it began stands there.
    state::BoardTrial trial(b);
    trial.set(x, y, 空);
    trial.set(tx, ty, placed);
    return capturable(b, tx, ty);
}

Landings 調査_鵺二手着地(Board& b, int x, int y) {
    Landings landings;
    const int nue = b(x, y);
    if (nue != 鵺王 && nue != -鵺王) return landings;
    const int step = nue > 0 ? 王 : -王;
    for (int ix = x - 1; ix <= x + 1; ++ix)
        for (int iy = y - 1; iy <= y + 1; ++iy) {
            if (!adjacent(x, y, ix, iy) || 移動チェック(b, kAfresh, x, y, ix, iy, nue) != 有) continue;
            state::BoardTrial first(b);
            first.move(x, y, ix, iy, nue);
            for (int lx = ix - 1; lx <= ix + 1; ++lx)
                for (int ly = iy - 1; ly <= iy + 1; ++ly) {
                    // The second step: a king step, checked once more as the Nue King.
                    const bool legal = 移動チェック(b, kSecondStep, ix, iy, lx, ly, step) == 有 &&
                                       移動チェック(b, kSecondStep, ix, iy, lx, ly, nue) == 有;
                    if (!legal) continue;
                    // Safe when some route leaves it safe: a first step may
                    // take a piece that would otherwise capture there.
                    const bool attacked = 調査_着地被取(b, ix, iy, lx, ly, nue);
                    Landing& mark = landings(lx, ly);
                    if (!attacked)
                        mark = Landing::Safe;
                    else if (mark == Landing::None)
                        mark = Landing::Attacked;
                }
        }
    return landings;
}

}  // namespace rules
