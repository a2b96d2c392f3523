#include "control/startup.h"
#include "control/game_reset.h"

#include "control/commands.h"
#include "display/texts.h"
#include "rules/initial_position.h"
#include "search/levels.h"
#include "state/game.h"

namespace control {

using namespace state;

void 起動_サウンド(Game& g) {
    g.port.soundStartup();
    g.state.sounds.other = g.port.loadSound("その他.wav", kEffectSoundFlags);
    g.state.sounds.forbidden = g.port.loadSound("禁止.wav", kEffectSoundFlags);
    g.state.sounds.piece = g.port.loadSound("駒打音.wav", kEffectSoundFlags);
    g.state.sounds.bgm = g.port.loadSound("BGM.wav", kMusicSoundFlags);
    g.port.loopSound(g.state.sounds.bgm);
}

void 起動_初期化(Game& g) {
    g.state.bgmOn = true;
    g.state.teachingOn = false;
    g.port.setMenuChecked(MenuCheck::BGM, true);
    g.port.setMenuChecked(MenuCheck::SIDOU, false);
    g.port.setMenuChecked(MenuCheck::LEVEL1, false);
    g.port.setMenuChecked(MenuCheck::LEVEL2, false);
    g.port.setMenuChecked(MenuCheck::LEVEL3, true);
    // a record loaded at a search level
    if (search::isSearchLevel(g.state.level)) g.port.setMenuChecked(searchLevelCheck(g.state.level), false);
    g.state.level = 3;
    g.state.movableColour = kGreen;
    g.state.stepState = 0;
    g.state.resumeNotice = 0;
    rules::初期設定_先手自(g);
    control::初期設定(g);
}

void Form_Load(Game& g) {
    起動_サウンド(g);
    起動_初期化(g);
    display::描画_レベル(g, g.state.level);  // the level shows from the start
}

}  // namespace control
