#pragma once

#include <optional>

#include "app/panel/game_clocks.h"

class QWidget;

namespace app {

// 対局 → 持ち時間: the time controls of the next game, each side's apart or
// both the same, starting from `now`. Empty when the player cancels.
std::optional<ClockChoice> askTimeControl(QWidget* parent, const ClockChoice& now);

}  // namespace app
