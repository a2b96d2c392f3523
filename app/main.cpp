// nuedori: the game's window.
#include "app/window/game_main.h"

int main(int argc, char** argv) { return app::runGame(argc, argv); }
