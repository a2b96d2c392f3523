// The game's half-second pause.
#include <gtest/gtest.h>

#include <chrono>

#include "app/board/surface_view.h"
#include "game_window.h"

using testing_support::GameWindow;

TEST(Waiting, HalfASecondIsNeverShorterAndTheWindowRepaintsMeanwhile) {
    GameWindow w(1.0);  // waits as long as the game asks
    w.startAndShow();
    bool painted = false;
    w.window.view()->onFirstPaint([&painted] { painted = true; });
    w.window.port().fillRect(12, 3, 1000, 300, 15);  // something new to show
    const auto start = std::chrono::steady_clock::now();
    w.window.port().wait(0.5);
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, std::chrono::milliseconds(500));
    EXPECT_TRUE(painted);
}

TEST(Waiting, TestsMayShortenTheWaitToNothing) {
    GameWindow w(0.0);
    w.startAndShow();
    bool painted = false;
    w.window.view()->onFirstPaint([&painted] { painted = true; });
    w.window.port().fillRect(12, 3, 1000, 300, 15);
    w.window.port().wait(0.5);
    // With no wait at all, nothing ran in between.
    EXPECT_FALSE(painted);
}
