#include "control/file_panel.h"

#include "state/game.h"

namespace control {

using namespace state;

void 描画_可視(Game& g, bool drive, bool folder, bool files) { g.port.setListsVisible(drive, folder, files); }

void 描画_棋譜_IO(Game& g, int mode) {
    if (mode == 0) {
        g.port.setNameRowVisible(true);
        return;
    }
    g.port.clearNameBox();
    g.port.setNameRowVisible(false);
}

void ファイルパネル_非表示(Game& g) {
    描画_可視(g, false, false, false);
    描画_棋譜_IO(g, 1);
}

}  // namespace control
