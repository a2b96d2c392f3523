#include "control/game_clock.h"

#include "control/end_of_game.h"
#include "state/clock.h"
#include "state/game.h"

namespace control {

using namespace state;

namespace {

// The computer always has the upper side.
constexpr int kComputerSide = 1;

bool inPlay(const GameState& s) { return s.sideToMove != 0 && s.kifuMode == 0 && !s.quitRequested; }

// The side whose time should run between events: the side to move, but
// against the computer only the human's.
int sideOnTheClock(const GameState& s) {
    if (!inPlay(s)) return 0;
    if (s.gameKind == kAgainstComputer && s.sideToMove == s.comToken) return 0;
    return s.sideToMove == s.humanToken ? -1 : 1;  // the human's token is the lower side's
}

}  // namespace

bool 時計_手番(Game& g) {
    if (g.clock == nullptr) return false;
    const int side = sideOnTheClock(g.state);
    if (side != g.clock->running()) {
        if (side == 0)
            g.clock->stop();
        else
            g.clock->start(side);
    }
    return inPlay(g.state);
}

void 時計_思考開始(Game& g) {
    if (g.clock != nullptr) g.clock->start(kComputerSide);
}

int 時計_着手完了(Game& g) {
    if (g.clock == nullptr) return 0;
    const int side = g.clock->running();
    return g.clock->stop() ? 0 : side;
}

bool 時間切れ(Game& g) {
    if (g.clock == nullptr || !inPlay(g.state)) return false;
    // The running side first; a side marked out by an earlier stop as well.
    for (const int side : {g.clock->running(), 1, -1}) {
        if (side == 0 || !g.clock->outOfTime(side)) continue;
        g.clock->stop();
        return 終局(g, {.outOfTime = side});
    }
    return false;
}

bool 時計_一時停止(Game& g) {
    if (g.clock == nullptr || !inPlay(g.state) || g.state.gameKind != kTwoPlayers) return false;
    if (g.clock->paused())
        g.clock->resume();
    else
        g.clock->pause();
    return g.clock->paused();
}

}  // namespace control
