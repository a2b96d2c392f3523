#pragma once

#include <string_view>

namespace control {

struct Game;

// A refusal as the player meets it: the "禁止.wav" sound, then a message box
// with one OK button.
void 禁止_通知(Game& g, std::string_view text, std::string_view title);

}  // namespace control
