#pragma once

#include <QRect>

#include <optional>

#include "app/board/piece_sets.h"
#include "app/panel/game_clocks.h"

namespace state {
struct Game;
}

namespace app {

class PlayerSettings;

// The player's remembered choices, as start-up puts them back (and a loaded
// record, whose reset takes them away, puts them back too).
struct RememberedOptions {
    std::optional<int> level;
    bool teaching = false;
    bool music = true;
    bool influence = false;
    bool fewerInterruptions = false;
    bool adaptiveLevel = false;
    std::optional<PieceSet> pieces;
    ClockChoice clocks{};
};

RememberedOptions rememberedOptions(const PlayerSettings& settings);

// The level, 移動指導 and BGM put back on the game through its own commands
// (each only where it differs, so nothing is drawn that need not be).
void putBackOnGame(state::Game& g, const RememberedOptions& o);

// The window's frame the player left, where a screen there is now shows it.
std::optional<QRect> rememberedFrame(const PlayerSettings& settings);

}  // namespace app
