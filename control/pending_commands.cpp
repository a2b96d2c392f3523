// Commands whose procedures are still being written: they do nothing yet.
#include "control/commands.h"
#include "control/game.h"

namespace control {

void REVERSE_Click(Game&) {}
void REPLAY_Click(Game&) {}
void AFTER_Click(Game&) {}
void KIFU_READ_Click(Game&) {}
void KIFU_WRITE_Click(Game&) {}
void Command1_Click(Game&) {}
void File1_Click(Game&, const std::string&) {}
void Form_MouseDown(Game&, int, double, double) {}

}  // namespace control
