#pragma once

namespace app {

class MainWindow;
class PlayerSettings;

// The first window: about four fifths of the screen's height, or the frame
// the player left it at where a screen there is now shows it.
void placeAtFirstStart(MainWindow& window, const PlayerSettings* settings);

// The player's remembered level and options put back: on the game as after
// start-up (a load's reset takes them away too), and at start-up the
// window's own (influence view, fewer interruptions, adaptive level,
// pieces, clocks).
void putBackOptions(MainWindow& window, const PlayerSettings& settings, bool atStart);

}  // namespace app
