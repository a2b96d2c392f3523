#include "app/keeping/remembered_options.h"

#include <QGuiApplication>
#include <QScreen>

#include "app/keeping/player_settings.h"
#include "control/commands.h"
#include "state/game.h"

namespace app {

RememberedOptions rememberedOptions(const PlayerSettings& s) {
    RememberedOptions o;
    o.level = s.level();
    o.teaching = s.teaching().value_or(false);
    o.music = s.music().value_or(true);
    o.influence = s.influence().value_or(false);
    o.fewerInterruptions = s.fewerInterruptions().value_or(false);
    o.adaptiveLevel = s.adaptiveLevel().value_or(false);
    o.pieces = s.pieces();
    o.clocks = {s.clock(1).value_or(state::TimeControl{}), s.clock(-1).value_or(state::TimeControl{})};
    return o;
}

void putBackOnGame(state::Game& g, const RememberedOptions& o) {
    if (o.level && *o.level != g.state.level) control::LEVELn_Click(g, *o.level);
    if (o.teaching != g.state.teachingOn) control::SIDOU_Click(g);
    if (o.music != g.state.bgmOn) control::BGM_Click(g);
}

std::optional<QRect> rememberedFrame(const PlayerSettings& s) {
    const std::optional<QRect> frame = s.geometry();
    if (!frame) return std::nullopt;
    // Only onto a screen there is now: a screen unplugged since would hide it.
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().contains(frame->center())) return frame;
    return std::nullopt;
}

}  // namespace app
