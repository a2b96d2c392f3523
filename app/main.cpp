// nuedori: the game's window.
#include "app/game_main.h"

int main(int argc, char** argv) { return app::runGame(argc, argv); }
