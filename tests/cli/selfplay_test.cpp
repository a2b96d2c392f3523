// Self-play of the computer against itself: the lines it prints, the totals,
// and the records it writes, each read back and replayed move by move under
// the move check from the position the game started from.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <variant>
#include <vector>

#include "cli/selfplay.h"
#include "positions.h"
#include "record/kifu_format.h"
#include "rules/initial_position.h"
#include "rules/move_check.h"
#include "rules/move_execution.h"
#include "state/game.h"

namespace {

namespace fs = std::filesystem;
using testing_support::TestGame;

struct Folder {
    fs::path path;
    Folder() {
        path = fs::temp_directory_path() /
               ("nuedori-selfplay-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path);
    }
    ~Folder() { fs::remove_all(path); }
};

struct SelfPlayRun {
    int status = 0;
    std::vector<std::string> lines;
};

SelfPlayRun selfplay(std::vector<std::string> args) {
    args.insert(args.begin(), {"nuedori-cli", "selfplay"});
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    testing::internal::CaptureStdout();
    SelfPlayRun run;
    run.status = cli::selfplayMain(static_cast<int>(argv.size()), argv.data());
    std::istringstream out(testing::internal::GetCapturedStdout());
    for (std::string line; std::getline(out, line);) run.lines.push_back(line);
    return run;
}

int sign(int v) { return v > 0 ? 1 : -1; }

bool royal(int code) { return code == 14 || code == 15 || code == -14 || code == -15; }

bool hasLegalMove(state::Game& g, int side) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            const int p = g.board(x, y);
            if (p == 0 || sign(p) != side) continue;
            for (int tx = 1; tx <= 9; ++tx)
                for (int ty = 1; ty <= 9; ++ty)
                    if (testing_support::移動チェック(g, x, y, tx, ty, p) == state::有) return true;
        }
    return false;
}

// Replays the entries from the game's starting position; empty when every
// move was legal, in turn, and the game ended as the line says.
std::string replay(const record::Kifu& kifu, int index, const std::string& result) {
    TestGame t;
    state::Game& g = t.game;
    if (index % 2 == 1)
        rules::初期設定_先手自(g);
    else
        rules::初期設定_先手敵(g);
    g.record.placed[0] = 1;
    int mover = index % 2 == 1 ? -1 : 1;  // the Nue King's side moves first
    const std::vector<state::Move>& e = kifu.entries;
    for (std::size_t k = 0; k < e.size(); ++k) {
        const std::string at = "entry " + std::to_string(k + 1) + ": ";
        const bool secondStep = k > 0 && (e[k].moved == 14 || e[k].moved == -14) &&
                                e[k - 1].moved == e[k].moved && e[k - 1].toX == e[k].fromX &&
                                e[k - 1].toY == e[k].fromY && std::abs(e[k - 1].toX - e[k - 1].fromX) <= 1 &&
                                std::abs(e[k - 1].toY - e[k - 1].fromY) <= 1 && g.state.stepState != 2;
        if (k > 0 && !secondStep) mover = -mover;
        if (sign(e[k].moved) != mover) return at + "moved out of turn";
        if (g.board(e[k].fromX, e[k].fromY) != e[k].moved) return at + "the piece is not there";
        if (g.board(e[k].toX, e[k].toY) != e[k].captured) return at + "the captured piece is not there";
        g.state.stepState = secondStep ? 2 : 1;
        g.record.counter = static_cast<int>(k);
        if (testing_support::移動チェック(g, e[k].fromX, e[k].fromY, e[k].toX, e[k].toY, e[k].moved) !=
            state::有)
            return at + "not a legal move";
        if (secondStep && (std::abs(e[k].toX - e[k].fromX) > 1 || std::abs(e[k].toY - e[k].fromY) > 1))
            return at + "a second step of more than one square";
        if (e[k].placed != e[k].moved) {
            int promoted = 0;
            if (rules::調査_駒成(e[k].fromX, e[k].fromY, e[k].toX, e[k].toY, e[k].moved, promoted) !=
                    state::有 ||
                promoted != e[k].placed)
                return at + "not a promotion";
        } else if (rules::移動後チェック(e[k].toY, e[k].moved) == state::無) {
            return at + "a compulsory promotion not taken";
        }
        g.record.fromX[k + 1] = e[k].fromX;  // the recapture rule reads the record
        g.record.placed[k + 1] = e[k].placed;
        g.record.captured[k + 1] = e[k].captured;
        g.board(e[k].toX, e[k].toY) = e[k].placed;
        g.board(e[k].fromX, e[k].fromY) = 0;
        if (royal(e[k].captured) && k + 1 != e.size()) return at + "the game went on after a royal capture";
    }
    if (result == "draw") return e.size() == 500 ? "" : "a draw before entry 500";
    const int winner = result == "upper" ? 1 : -1;
    if (e.empty()) return "no move";
    if (sign(e.back().moved) != winner) return "the winner did not make the last move";
    if (royal(e.back().captured)) return {};
    g.state.stepState = 1;
    return hasLegalMove(g, -winner) ? "the loser could still move" : "";
}

// "game I: upper|lower|draw in M moves", read back and checked by printing it again.
struct GameLine {
    bool valid = false;
    int index = 0, moves = 0;
    std::string result;
};

GameLine gameLine(const std::string& text) {
    GameLine g;
    char result[16] = {};
    if (std::sscanf(text.c_str(), "game %d: %15s in %d moves", &g.index, result, &g.moves) != 3) return g;
    g.result = result;
    g.valid = (g.result == "upper" || g.result == "lower" || g.result == "draw") &&
              text == "game " + std::to_string(g.index) + ": " + g.result + " in " + std::to_string(g.moves) +
                          " moves";
    return g;
}

TEST(SelfPlay, GamesAtEachLevelPrintTheirLinesTotalsAndLegalRecords) {
    for (int level = 1; level <= 3; ++level) {
        Folder folder;
        // With this seed the games end in wins of either side, in draws at
        // entry 500, and at level 3 with second Nue King steps.
        const SelfPlayRun run = selfplay({"--games", "4", "--level", std::to_string(level), "--random-plies",
                                          "4", "--seed", "1", "--check", "--out", folder.path.string()});
        EXPECT_EQ(run.status, 0) << "level " << level;
        ASSERT_EQ(run.lines.size(), 5u) << "level " << level;
        int counts[3] = {0, 0, 0};
        for (int i = 1; i <= 4; ++i) {
            const GameLine line = gameLine(run.lines[i - 1]);
            ASSERT_TRUE(line.valid) << run.lines[i - 1];
            EXPECT_EQ(line.index, i);
            const std::string& result = line.result;
            ++counts[result == "upper" ? 0 : (result == "lower" ? 1 : 2)];
            char name[32];
            std::snprintf(name, sizeof name, "selfplay-%03d.棋譜", i);
            const record::ReadResult read = record::readKifuFile(folder.path / name);
            const record::Kifu* kifu = std::get_if<record::Kifu>(&read);
            ASSERT_NE(kifu, nullptr) << name;
            EXPECT_EQ(static_cast<int>(kifu->entries.size()), line.moves) << name;
            EXPECT_EQ(replay(*kifu, i, result), "") << "level " << level << ", " << name;
        }
        EXPECT_EQ(run.lines[4], "total: " + std::to_string(counts[0]) + " upper, " +
                                    std::to_string(counts[1]) + " lower, " + std::to_string(counts[2]) +
                                    " draws");
    }
}

TEST(SelfPlay, TheSameSeedPlaysTheSameGames) {
    const std::vector<std::string> args = {"--games",        "3", "--level", "3",
                                           "--random-plies", "6", "--seed",  "7"};
    const SelfPlayRun first = selfplay(args);
    const SelfPlayRun second = selfplay(args);
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(first.lines, second.lines);
    ASSERT_EQ(first.lines.size(), 4u);
}

TEST(SelfPlay, WithoutFilesOrWithBadOptions) {
    SelfPlayRun run = selfplay({"--games", "0", "--level", "2"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.lines, (std::vector<std::string>{"total: 0 upper, 0 lower, 0 draws"}));
    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"--games", "1"},
                                               {"--games", "1", "--level", "9"},
                                               {"--games", "x", "--level", "1"},
                                               {"--games", "1", "--level", "1", "--seed"},
                                               {"--games", "1", "--level", "1", "--colour", "red"}}) {
        testing::internal::CaptureStderr();
        run = selfplay(bad);
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_NE(run.status, 0) << bad.back();
        EXPECT_TRUE(run.lines.empty()) << bad.back();
        EXPECT_EQ(err.rfind("error ", 0), 0u) << err;
    }
}

}  // namespace
