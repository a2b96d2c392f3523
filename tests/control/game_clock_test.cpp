// The clock in play: a side out of time loses through the one end of game,
// a kept game goes on with its clocks, and P holds a two-player game still.
// The time is a fake that the tests move on; nothing sleeps.
#include <gtest/gtest.h>

#include "control/commands.h"
#include "control/game_clock.h"
#include "control/kept_game.h"
#include "play.h"
#include "state/clock.h"

using namespace control;
using namespace state;
using std::chrono::milliseconds;
using std::chrono::seconds;
using testing_support::click;
using testing_support::TestGame;
using testing_support::twoPlayerGame;

namespace {

struct FakeTime : state::TimeSource {
    milliseconds t{0};
    milliseconds now() const override { return t; }
};

constexpr state::TimeControl kSudden{state::ClockKind::SuddenDeath, seconds(60), seconds(0)};
constexpr state::TimeControl kByoyomi{state::ClockKind::Byoyomi, seconds(0), seconds(10)};

// Each side's pawn and king, the lower side to move.
constexpr std::string_view kPosition = R"(
    . . . . 15 . . . .
    . . . . . . . . .
    . . 1 . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    -1 . . . . . . . .
    . . . . . . . . .
    . . . . -14 . . . .)";

std::string lastOver(const TestGame& t) {
    for (auto it = t.port.facts.rbegin(); it != t.port.facts.rend(); ++it)
        if (it->starts_with("over ")) return *it;
    return "";
}

}  // namespace

TEST(GameClockInPlay, TheSideOutOfTimeLosesTheOtherWins) {
    struct Case {
        const char* name;
        int lowerMoves;  // moves the lower side makes first, each within its time
        const char* over;
    };
    const Case cases[] = {
        {"the lower side runs out first", 0, "over upper"},
        {"the upper side runs out after the lower side's move", 1, "over lower"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestGame t;
        twoPlayerGame(t, kPosition);
        FakeTime time;
        state::GameClock clock(time, kSudden, kSudden);
        t.game.clock = &clock;
        ASSERT_TRUE(時計_手番(t.game));
        if (c.lowerMoves) {
            time.t += seconds(59);
            click(t.game, 1, 7);
            click(t.game, 1, 6);
            時計_手番(t.game);
            EXPECT_EQ(clock.running(), 1);
        }
        time.t += seconds(59);
        EXPECT_FALSE(時間切れ(t.game));
        EXPECT_EQ(lastOver(t), "");
        time.t += seconds(1);
        EXPECT_TRUE(時間切れ(t.game));
        EXPECT_EQ(lastOver(t), c.over);
        EXPECT_EQ(t.game.state.sideToMove, 0);
    }
}

TEST(GameClockInPlay, AMoveMadeAfterTheTimeRanOutLoses) {
    TestGame t;
    twoPlayerGame(t, kPosition);
    FakeTime time;
    state::GameClock clock(time, kByoyomi, kByoyomi);
    t.game.clock = &clock;
    時計_手番(t.game);
    time.t += seconds(11);  // nobody asked in between: the move comes too late
    click(t.game, 1, 7);
    click(t.game, 1, 6);
    EXPECT_EQ(lastOver(t), "over upper");
}

TEST(GameClockInPlay, AKeptGameGoesOnWithItsClocks) {
    TestGame t;
    twoPlayerGame(t, kPosition);
    FakeTime time;
    const state::TimeControl fischer{state::ClockKind::Fischer, seconds(300), seconds(5)};
    state::GameClock clock(time, kSudden, fischer);
    t.game.clock = &clock;
    時計_手番(t.game);
    time.t += seconds(20);
    click(t.game, 1, 7);
    click(t.game, 1, 6);
    時計_手番(t.game);
    time.t += seconds(7);  // the upper side thinks when the game is kept

    const record::KeptGame kept = 保存用の対局(t.game);
    const auto read = record::parseKeptGame(record::keptGameText(kept));
    ASSERT_TRUE(std::holds_alternative<record::KeptGame>(read));
    const auto& clocks = std::get<record::KeptGame>(read).clocks;
    EXPECT_EQ(clocks[0], (record::KeptClock{kSudden, seconds(53)}));
    EXPECT_EQ(clocks[1], (record::KeptClock{fischer, seconds(285)}));
}

TEST(GameClockInPlay, PHoldsOnlyATwoPlayerGameStill) {
    TestGame t;
    twoPlayerGame(t, kPosition);
    FakeTime time;
    state::GameClock clock(time, kSudden, kSudden);
    t.game.clock = &clock;
    時計_手番(t.game);
    EXPECT_TRUE(時計_一時停止(t.game));
    time.t += seconds(600);
    EXPECT_FALSE(時間切れ(t.game));
    EXPECT_FALSE(時計_一時停止(t.game));
    EXPECT_EQ(clock.read(-1).main, seconds(60));

    t.game.state.gameKind = kAgainstComputer;
    EXPECT_FALSE(時計_一時停止(t.game));
    EXPECT_FALSE(clock.paused());
}
