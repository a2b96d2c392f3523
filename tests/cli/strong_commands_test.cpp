// The search levels through the command line: the levels, level 8's node
// budget, the move count, a move under a budget, and self-play with a level
// for each side and a clock.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "cli/selfplay.h"
#include "cli/session.h"
#include "state/game.h"

namespace {

std::vector<std::string> run(cli::Session& s, std::initializer_list<const char*> lines) {
    std::vector<std::string> out;
    for (const char* line : lines) {
        std::string answer = s.handle(line);
        if (!answer.empty() && answer.back() == '\n') answer.pop_back();
        out.push_back(answer);
    }
    return out;
}

TEST(StrongCommands, LevelLimitAndPerft) {
    cli::Session s;
    EXPECT_EQ(run(s, {"level 4", "level 8", "limit 0", "limit 2000000000", "start human", "perft 0",
                      "perft 1", "perft 2", "start computer", "perft 1"}),
              (std::vector<std::string>{"ok", "ok", "ok", "ok", "ok", "perft 0 1", "perft 1 30",
                                        "perft 2 1440", "ok", "perft 1 48"}));
    for (const char* bad : {"limit", "limit -1", "limit 2000000001", "limit x", "limit 1 2", "perft",
                            "perft 7", "perft -1", "level 9", "level 0"})
        EXPECT_EQ(s.handle(bad).rfind("error ", 0), 0u) << bad;
    // With a royal piece gone there are no moves.
    EXPECT_EQ(
        run(s, {"board 15 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 "
                "0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 -1",
                "perft 1"}),
        (std::vector<std::string>{"ok", "perft 1 0"}));
    // Ten Nue Kings against a king: too many positions to count.
    std::string crowded = "board";
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x)
            crowded += (y == 1 || y == 4) && x % 2 == 1 ? " 14" : (x == 5 && y == 9 ? " -15" : " 0");
    EXPECT_EQ(s.handle(crowded), "ok\n");
    EXPECT_EQ(s.handle("perft 6").rfind("error ", 0), 0u);
}

// The same position and budget give the same move, played and recorded.
TEST(StrongCommands, GoUnderANodeBudget) {
    std::vector<std::string> answers[2];
    for (auto& a : answers) {
        cli::Session s;
        a = run(s, {"start human", "level 8", "limit 20000", "go", "show"});
    }
    EXPECT_EQ(answers[0], answers[1]);
    std::istringstream words(answers[0][3]);
    std::string head;
    int x = 0, y = 0, tx = 0, ty = 0, from = 0, placed = 0;
    words >> head >> x >> y >> tx >> ty >> from >> placed;
    EXPECT_EQ(head, "bestmove");
    EXPECT_GT(from, 0);  // an upper piece
    cli::Session fresh;
    EXPECT_NE(answers[0][4], run(fresh, {"start human", "show"})[1]);  // the move was played
}

struct SelfPlayResult {
    int status = 0;
    std::vector<std::string> lines;
};

SelfPlayResult selfplay(std::vector<std::string> args) {
    args.insert(args.begin(), {"nuedori-cli", "selfplay"});
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    SelfPlayResult r;
    r.status = cli::selfplayMain(static_cast<int>(argv.size()), argv.data());
    std::istringstream out(testing::internal::GetCapturedStdout());
    testing::internal::GetCapturedStderr();
    for (std::string line; std::getline(out, line);) r.lines.push_back(line);
    return r;
}

// Level four against level three on both sides, every move checked and the
// records saved and read back; then the bad values of the new options.
TEST(StrongCommands, SelfPlayWithALevelForEachSide) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "nuedori-strong-selfplay";
    std::filesystem::remove_all(dir);
    const SelfPlayResult r = selfplay({"--games", "2", "--level", "4", "--lower-level", "3", "--limit",
                                       "3000", "--random-plies", "2", "--check", "--out", dir.string()});
    EXPECT_EQ(r.status, 0);
    ASSERT_EQ(r.lines.size(), 3u);
    EXPECT_EQ(r.lines[2].rfind("total: ", 0), 0u);
    EXPECT_TRUE(std::filesystem::exists(dir / "selfplay-002.棋譜"));
    std::filesystem::remove_all(dir);
    cli::SelfPlayOptions o;
    o.level = 4;
    EXPECT_EQ(cli::levelOf(o, -1), 4);
    o.lowerLevel = 2;
    EXPECT_EQ(cli::levelOf(o, -1), 2);
    EXPECT_EQ(cli::levelOf(o, 1), 4);
    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"--games", "1", "--level", "3", "--lower-level", "9"},
                                               {"--games", "1", "--level", "9"},
                                               {"--games", "1", "--level", "4", "--clock", "sudden:0"},
                                               {"--games", "1", "--level", "4", "--clock", "sudden:1:5"},
                                               {"--games", "1", "--level", "4", "--clock", "fischer:0:5"},
                                               {"--games", "1", "--level", "4", "--clock", "byoyomi:1"},
                                               {"--games", "1", "--level", "4", "--clock", "byoyomi:1:0"},
                                               {"--games", "1", "--level", "4", "--clock", "blitz:1:1"},
                                               {"--games", "1", "--level", "3", "--lower-level", "0"},
                                               {"--games", "1", "--level", "4", "--limit", "-5"},
                                               {"--games", "1", "--level", "4", "--limit"}}) {
        const SelfPlayResult b = selfplay(bad);
        EXPECT_NE(b.status, 0) << bad[bad.size() - 2];
        EXPECT_TRUE(b.lines.empty());
    }
    // Time losses are counted where there is a clock.
    for (const char* clock : {"sudden:1", "fischer:1:1", "byoyomi:0:1"})
        EXPECT_EQ(selfplay({"--games", "0", "--level", "8", "--clock", clock}).lines,
                  std::vector<std::string>{"total: 0 upper, 0 lower, 0 draws, 0 time losses"})
            << clock;
    // A side with no time left loses its first move on time: the lower side
    // moves first in odd games.
    cli::SelfPlayOptions timed;
    timed.level = 5;
    timed.clock = {state::ClockKind::Byoyomi, std::chrono::milliseconds(0), std::chrono::milliseconds(0)};
    state::NullPort port;
    state::Game g{port};
    const cli::SelfPlayGame lost = cli::playSelfPlayGame(g, 1, timed);
    EXPECT_EQ(lost.outcome, (state::Outcome{state::Result::UpperWins, state::EndReason::OutOfTime}));
}

}  // namespace
