#include "control/waiting_and_closing.h"

#include "state/game.h"

namespace control {

using namespace state;

void 待ち時間(Game& g, double seconds) { g.port.wait(seconds); }

void 終了処理(Game& g) {
    const SoundHandles& s = g.state.sounds;
    g.port.freeSound(s.other);
    g.port.freeSound(s.forbidden);
    g.port.freeSound(s.piece);
    g.port.freeSound(s.bgm);
    g.port.soundShutdown();
}

void プログラム終了(Game& g) {
    if (g.state.quitRequested) return;
    終了処理(g);
    g.state.quitRequested = true;
    g.port.quit();
}

}  // namespace control
