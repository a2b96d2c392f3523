// nuedori-cli review: one line per move (a two-step move one line with its
// three squares), a summary that counts what the lines say, and one error
// line for a file that cannot be read.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "cli/review_command.h"

namespace {

namespace fs = std::filesystem;

// The Nue King's two steps, pawns, and the Nue King stepping before a pawn, which takes it.
constexpr const char* kPlantedBlunder =
    "h\r\nh\r\nh\r\n5 9 5 8 -14-140  \r\n5 8 5 7 -14-140  \r\n1 3 1 4 1  1  0  \r\n5 7 5 5 -14-140  \r\n"
    "1 4 1 5 1  1  0  \r\n5 5 5 4 -14-140  \r\n5 3 5 4 1  1  -14\r\n";

struct ReviewRun {
    int status = 0;
    std::vector<std::string> lines;
};

ReviewRun review(const std::vector<std::string>& words) {
    std::vector<char*> argv;
    std::vector<std::string> storage = words;
    storage.insert(storage.begin(), {"nuedori-cli", "review"});
    for (std::string& w : storage) argv.push_back(w.data());
    testing::internal::CaptureStdout();
    ReviewRun run;
    run.status = cli::reviewMain(static_cast<int>(argv.size()), argv.data());
    std::istringstream out(testing::internal::GetCapturedStdout());
    for (std::string line; std::getline(out, line);) run.lines.push_back(line);
    return run;
}

std::vector<std::string> wordsOf(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

TEST(ReviewCommand, OneLinePerMoveAndASummaryOfThem) {
    const fs::path file = fs::path(testing::TempDir()) / "planted.棋譜";
    std::ofstream(file, std::ios::binary) << kPlantedBlunder;
    const ReviewRun run = review({file.string(), "--nodes", "20000"});
    ASSERT_EQ(run.status, 0);
    ASSERT_EQ(run.lines.size(), 7u);  // six moves, then the summary
    EXPECT_EQ(run.lines[0].rfind("ply 1 side lower played 5,9-5,8-5,7 best ", 0), 0u) << run.lines[0];
    EXPECT_EQ(run.lines[4].substr(run.lines[4].size() - 13), "grade blunder");
    // What the lines count, side by side, in the summary's order.
    std::map<std::string, std::map<std::string, int>> counted;
    for (std::size_t i = 0; i + 1 < run.lines.size(); ++i) {
        const std::vector<std::string> w = wordsOf(run.lines[i]);
        ASSERT_EQ(w.size(), 14u) << run.lines[i];
        EXPECT_EQ(w[1], std::to_string(i + 1));
        ++counted[w[3]][w[13]];
    }
    std::string expected = "summary";
    for (const char* side : {"lower", "upper"}) {
        expected += std::string(" ") + side;
        for (const char* grade : {"inaccuracy", "mistake", "blunder"})
            (expected += ' ') += std::to_string(counted[side][grade]);  // no " " + s: -Wrestrict at -O3
        const std::vector<std::string> summary = wordsOf(run.lines.back());
        (expected += ' ') += summary[std::string(side) == "lower" ? 5 : 10];
    }
    EXPECT_EQ(run.lines.back(), expected);
}

TEST(ReviewCommand, AFileThatCannotBeReadIsOneErrorLine) {
    const ReviewRun missing = review({(fs::path(testing::TempDir()) / "none.棋譜").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.lines, std::vector<std::string>{"error cannot read the file"});
}

}  // namespace
