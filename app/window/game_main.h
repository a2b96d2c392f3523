#pragma once

#include <functional>

#include "app/window/main_window.h"

class QApplication;

namespace app {

// A real message box: the caption, the text as it is, the exclamation icon
// when asked, and OK or はい/いいえ.
state::Answer askWithMessageBox(QWidget* parent, const BoxRequest& request);

// What every window of the game needs from the application: the Japanese
// font for menus and boxes, and the Japanese button captions.
void setUpApplication(QApplication& application);

struct StartOptions {
    // Called once, when the window has painted itself for the first time.
    std::function<void()> firstPaint;
};

// The whole program: sets up the application, opens the main window, starts
// the game and runs until the player leaves. Answers the process's exit status.
int runGame(int argc, char** argv, const StartOptions& options = {});

}  // namespace app
