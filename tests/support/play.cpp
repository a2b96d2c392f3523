#include "play.h"

#include "control/commands.h"

namespace testing_support {

void twoPlayerGame(TestGame& t, std::string_view diagram) {
    control::Form_Load(t.game);
    control::START_Click(t.game);
    setBoard(t.game, diagram);
    t.port.clear();
}

void click(state::Game& g, int x, int y, int button) {
    control::Form_MouseDown(g, button, squareX(x), squareY(y));
}

}  // namespace testing_support
