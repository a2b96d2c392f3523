// The game clock's arithmetic, driven by a fake time source: the main time,
// Fischer's increment, byoyomi renewed each move, the loss on time at the
// moment the time reaches zero, pauses, and each side's time apart.
#include <gtest/gtest.h>

#include <vector>

#include "state/clock.h"

using namespace state;

namespace {

using namespace std::chrono_literals;
using state::ClockKind;
using std::chrono::milliseconds;

struct FakeTime final : state::TimeSource {
    milliseconds t{1000000};
    milliseconds now() const override { return t; }
};

TEST(GameClock, EachKindSpendsItsTimeAndRunsOutAtZero) {
    struct Move {
        milliseconds took;
        bool inTime;
        milliseconds mainAfter;
    };
    const struct {
        const char* name;
        state::TimeControl control;
        std::vector<Move> moves;
    } cases[] = {
        {"sudden death",
         {ClockKind::SuddenDeath, 60s, 0s},
         {{20s, true, 40s}, {39999ms, true, 1ms}, {1ms, false, 0s}}},
        {"Fischer", {ClockKind::Fischer, 60s, 5s}, {{20s, true, 45s}, {44s, true, 6s}, {6s, false, 0s}}},
        // Past the main time the move goes on in its byoyomi, renewed for
        // every move.
        {"byoyomi",
         {ClockKind::Byoyomi, 10s, 30s},
         {{5s, true, 5s}, {20s, true, 0s}, {29999ms, true, 0s}, {29999ms, true, 0s}, {30s, false, 0s}}},
        {"byoyomi only", {ClockKind::Byoyomi, 0s, 10s}, {{9s, true, 0s}, {10s, false, 0s}}},
        {"none", {}, {{3600s, true, 0s}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FakeTime time;
        state::GameClock clock(time, c.control, {});
        for (const Move& m : c.moves) {
            clock.start(1);
            time.t += m.took;
            EXPECT_EQ(clock.outOfTime(1), !m.inTime);
            EXPECT_EQ(clock.stop(), m.inTime);
            EXPECT_EQ(clock.mainLeft(1), m.mainAfter);
            EXPECT_FALSE(clock.read(1).running);
            // The other side's move takes nothing from this one.
            clock.start(-1);
            time.t += 1s;
            clock.stop();
        }
        EXPECT_EQ(clock.outOfTime(1), !c.moves.back().inTime);
    }
}

TEST(GameClock, ByoyomiReadsCountDownAndPausesStopTheTime) {
    FakeTime time;
    state::GameClock clock(time, {ClockKind::Byoyomi, 10s, 30s}, {ClockKind::SuddenDeath, 60s, 0s});
    EXPECT_TRUE(clock.active());
    clock.start(1);
    time.t += 4s;
    state::SideTime t = clock.read(1);
    EXPECT_EQ((std::tuple{t.main, t.byoyomi, t.inByoyomi, t.running}), (std::tuple{6s, 30s, false, true}));
    clock.pause();
    time.t += 100s;  // a paused game loses no time
    clock.resume();
    time.t += 8s;
    t = clock.read(1);
    EXPECT_EQ((std::tuple{t.main, t.byoyomi, t.inByoyomi}), (std::tuple{0s, 28s, true}));
    EXPECT_EQ(clock.running(), 1);
    // Starting the other side ends this move, and only the lower side's main time runs.
    clock.start(-1);
    EXPECT_EQ(clock.read(1).byoyomi, 30s);
    time.t += 59s;
    EXPECT_EQ(clock.read(-1).main, 1s);
    EXPECT_FALSE(clock.outOfTime(-1));
    time.t += 1s;
    EXPECT_TRUE(clock.outOfTime(-1));
    EXPECT_FALSE(clock.outOfTime(1));
    // A kept game goes on with the time it had.
    state::GameClock resumed(time, {ClockKind::Byoyomi, 10s, 30s}, {ClockKind::SuddenDeath, 60s, 0s});
    resumed.setMainLeft(-1, 5s);
    resumed.start(-1);
    time.t += 5s;
    EXPECT_FALSE(resumed.stop());
    EXPECT_FALSE(state::GameClock(time, {}, {}).active());
}

}  // namespace
