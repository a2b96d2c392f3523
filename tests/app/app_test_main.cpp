// The window tests share one application on Qt's offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>

#include "app/window/game_main.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" NUEDORI_TEST_SCREEN);
    if (qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");
    QApplication application(argc, argv);
    app::setUpApplication(application);
    // Whatever a test leaves out, the player's own games and settings stay untouched.
    QStandardPaths::setTestModeEnabled(true);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
