#include "control/record_jump.h"

#include "control/commands.h"
#include "state/game.h"

namespace control {

using namespace state;

namespace {

// Runs one replay command after another until the counter has passed
// `entry` or a command leaves it where it was (refused).
template <typename Step, typename Reached>
bool stepUntil(Game& g, Step step, Reached reached) {
    bool moved = false;
    while (!reached()) {
        const int before = g.record.counter;
        step(g);
        if (g.record.counter == before || g.state.quitRequested) break;
        moved = true;
    }
    return moved;
}

}  // namespace

void 棋譜_移動(Game& g, int entry) {
    state::MoveRecord& r = g.record;
    if (entry < 0 || entry > r.last || entry == r.counter) return;
    // A handle of 0 sounds nothing: the steps are silent and the piece sound
    // is played once at the end.
    const int piece = g.state.sounds.piece;
    g.state.sounds.piece = 0;
    const bool moved = entry > r.counter ? stepUntil(g, AFTER_Click, [&] { return r.counter >= entry; })
                                         : stepUntil(g, REPLAY_Click, [&] { return r.counter <= entry; });
    g.state.sounds.piece = piece;
    if (moved) g.port.playSound(piece);
}

void 棋譜の初めへ(Game& g) { 棋譜_移動(g, 0); }
void 棋譜の終わりへ(Game& g) { 棋譜_移動(g, g.record.last); }

}  // namespace control
