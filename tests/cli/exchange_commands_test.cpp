// Positions and moves as text on the command line: position, legal and play
// in a session, and convert between the game's record file and KIF.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "cli/convert_command.h"
#include "cli/selfplay.h"
#include "cli/session.h"
#include "cli_lines.h"

namespace {

namespace fs = std::filesystem;

TEST(ExchangeCommands, PositionsAreSetShownAndPlayedOn) {
    cli::Session s;
    const struct {
        std::string_view line, answer;
    } script[] = {
        {"start human", "ok"},
        {"position", "position lnsgkgsnl/1r5b1/ppppppppp/9/9/9/9/9/4U4 b - 1"},
        {"play 5i5h5g", "ok"},
        {"position", "position lnsgkgsnl/1r5b1/ppppppppp/9/9/9/4U4/9/9 w - 2"},
        // Recorded as the game records it: both steps, the second marked.
        {"notation", "notation 1\n▲５八・５七鵺王"},
        {"play 5g5f", "error play: no piece of the side to move on the first square"},
        {"play 3c3d", "ok"},
        {"play 5g5e5d", "error play: the piece cannot move so"},
        {"notation", "notation 2\n▲５八・５七鵺王\n△３四歩"},
        {"position 4k4/9/9/9/9/9/9/9/4U4\tw -  37", "ok"},
        {"legal", "legal 5 5a4a 5a4b 5a5b 5a6a 5a6b"},
        {"play 5a5b", "ok"},
        {"position", "position 9/4k4/9/9/9/9/9/9/4U4 b - 38"},
        {"position 9/9/9/9/9/9/9/9/9 b - 0", "error position: move number: 1 to 500"},
        {"position 9/9/9/9/9/9/9/9/8 b - 1", "error position: board: rank i covers 8 squares, not nine"},
        {"play 5i5h+", "error play: the piece cannot promote on this move"},
        {"position", "position 9/4k4/9/9/9/9/9/9/4U4 b - 38"},  // nothing changed
        {"position 9/9/9/9/9/9/9/9/4U4 b - 1", "ok"},
        {"legal", "legal 0"},  // the upper side has no royal piece
        {"start computer", "ok"},
        {"position", "position 4u4/9/9/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1"},
        {"reverse", "ok"},  // turned about: the Nue King below, the lower side to move
        {"position", "position lnsgkgsnl/1r5b1/ppppppppp/9/9/9/9/9/4U4 b - 1"},
    };
    for (const auto& step : script)
        EXPECT_EQ(s.handle(step.line), std::string(step.answer) + "\n") << step.line;
    const std::vector<std::string> legal = cli_lines::words(s.handle("legal"));
    ASSERT_EQ(legal.size(), 50u);
    EXPECT_EQ(legal[1], "48");
    EXPECT_EQ(legal[2], "5i3g");
    EXPECT_EQ(legal.back(), "5i7i");
}

struct Folder {
    fs::path path =
        fs::temp_directory_path() /
        ("nuedori-convert-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    Folder() {
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~Folder() { fs::remove_all(path); }
};

int run(int (*main)(int, char**), std::vector<std::string> args, std::string* out = nullptr) {
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    testing::internal::CaptureStdout();
    const int status = main(static_cast<int>(argv.size()), argv.data());
    const std::string printed = testing::internal::GetCapturedStdout();
    if (out) *out = printed;
    return status;
}

std::string bytesOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(ConvertCommand, RecordFilesComeBackByteForByteThroughKif) {
    Folder f;
    const std::string dir = f.path.string();
    ASSERT_EQ(run(cli::selfplayMain, {"nuedori-cli", "selfplay", "--games", "2", "--level", "1",
                                      "--random-plies", "6", "--out", dir}),
              0);
    for (const std::string game : {"selfplay-001", "selfplay-002"}) {
        const std::string original = dir + "/" + game + ".棋譜";
        for (const std::string kif : {".kifu", ".kif"}) {
            const std::string through = dir + "/" + game + kif, back = dir + "/" + game + kif + ".棋譜";
            EXPECT_EQ(run(cli::convertMain, {"nuedori-cli", "convert", original, through}), 0);
            EXPECT_EQ(run(cli::convertMain, {"nuedori-cli", "convert", through, back}), 0);
            EXPECT_EQ(bytesOf(back), bytesOf(original)) << back;
        }
        // The Shift_JIS file holds the same game as the UTF-8 one.
        EXPECT_EQ(
            run(cli::convertMain, {"nuedori-cli", "convert", dir + "/" + game + ".kif", dir + "/again.kifu"}),
            0);
        EXPECT_EQ(bytesOf(dir + "/again.kifu"), bytesOf(dir + "/" + game + ".kifu"));
    }
}

TEST(ConvertCommand, ARefusedFileLeavesTheTargetAsItWas) {
    Folder f;
    const fs::path in = f.path / "bad.kifu", out = f.path / "kept.棋譜";
    std::ofstream(in) << "手合割：その他\n  ９ ８ ７ ６ ５ ４ ３ ２ １\n+----+\n";
    std::ofstream(out) << "a record kept here\n";
    std::string answer;
    EXPECT_EQ(run(cli::convertMain, {"nuedori-cli", "convert", in.string(), out.string()}, &answer), 1);
    EXPECT_EQ(answer, "error line 3: not a line of the board diagram\n");
    EXPECT_EQ(bytesOf(out), "a record kept here\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(f.path), fs::directory_iterator()), 2);
    EXPECT_EQ(run(cli::convertMain, {"nuedori-cli", "convert", in.string(), (f.path / "x.txt").string()}), 2);
}

}  // namespace
