// Game records through the main window: saved with 書込, the name box and
// RETURN; loaded with 読込 and a click in the file list; stepped with 進 and
// 戻; the board turned with 反転; bad files and failed saves that leave the
// game in progress as it was; and the records of the command line's
// self-play, loaded and replayed to their end.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QProcess>

#include <array>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <string>
#include <variant>
#include <vector>

#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

#include "play_window.h"
#include "positions.h"
#include "record/kifu_format.h"

using state::Answer;
using testing_support::boardText;
using testing_support::computerFirstPosition;
using testing_support::gameProblem;
using testing_support::halfTurn;
using testing_support::humanFirstPosition;
using testing_support::PlayWindow;
using testing_support::replayed;
using testing_support::WorkingFolder;

namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;

// A two-player game of six moves from スタート: the Nue King's two steps, a
// pawn, a jump, the bishop promoted by the right button, the Nue King taking
// the new horse, a pawn. Each move's presses; the board after each move is
// kept in `positions` (the position before the first move first).
struct SixMoves {
    struct Press {
        int x, y;
        Qt::MouseButton button;
    };
    static constexpr std::array<std::array<Press, 3>, 6> kMoves{{
        {{{5, 9, Qt::LeftButton}, {5, 8, Qt::LeftButton}, {5, 7, Qt::LeftButton}}},
        {{{7, 3, Qt::LeftButton}, {7, 4, Qt::LeftButton}, {0, 0, Qt::NoButton}}},
        {{{5, 7, Qt::LeftButton}, {3, 5, Qt::LeftButton}, {0, 0, Qt::NoButton}}},
        {{{8, 2, Qt::LeftButton}, {3, 7, Qt::RightButton}, {0, 0, Qt::NoButton}}},
        {{{3, 5, Qt::LeftButton}, {3, 7, Qt::LeftButton}, {0, 0, Qt::NoButton}}},
        {{{1, 3, Qt::LeftButton}, {1, 4, Qt::LeftButton}, {0, 0, Qt::NoButton}}},
    }};
    // The seven entries as the saved file's move lines.
    static constexpr std::array<const char*, 7> kLines{
        "5 9 5 8 -14-140  ", "5 8 5 7 -14-140  ", "7 3 7 4 1  1  0  ", "5 7 3 5 -14-140  ",
        "8 2 3 7 13 12 0  ", "3 5 3 7 -14-1413 ", "1 3 1 4 1  1  0  ",
    };
    std::vector<state::Board> positions;

    void play(PlayWindow& w) {
        w.choose("START");
        positions = {w.game().board};
        for (const auto& move : kMoves) {
            for (const Press& p : move)
                if (p.button != Qt::NoButton) w.click(p.x, p.y, p.button);
            positions.push_back(w.game().board);
        }
    }
};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    if (start < text.size()) lines.push_back(text.substr(start) + "<no line end>");
    return lines;
}

bool isDateTime(const std::string& s) {
    // 2024/05/01 09:05:03
    if (s.size() != 19) return false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char expected = i == 4 || i == 7 ? '/' : i == 10 ? ' ' : i == 13 || i == 16 ? ':' : '0';
        if (expected == '0' ? !std::isdigit(static_cast<unsigned char>(s[i])) : s[i] != expected)
            return false;
    }
    return true;
}

}  // namespace

// Saved through the panel, loaded from the file list, then 進 to the end and
// 戻 back to the start, each press one move: the two steps as one, the
// promotion and the capture undone.
TEST(Records, SavedAndLoadedThroughThePanelThenSteppedBothWays) {
    WorkingFolder folder;
    PlayWindow w;
    w.start();
    SixMoves game;
    game.play(w);
    state::Game& g = w.game();
    ASSERT_EQ(g.record.counter, 7);
    EXPECT_EQ(g.board(3, 7), -14);  // the horse was taken

    w.forget();
    w.choose("KIFU_WRITE");
    for (const char* shown : {"Drive1", "Dir1", "Label1", "Text1", "Command1"})
        EXPECT_TRUE(w.panelShows(shown)) << shown;
    EXPECT_FALSE(w.panelShows("File1"));
    w.saveAs("対局一");
    EXPECT_EQ(w.messages(), Strings{"棋譜を書き込みました|  "});
    for (const char* hidden : {"Drive1", "Dir1", "File1", "Label1", "Text1", "Command1"})
        EXPECT_FALSE(w.panelShows(hidden)) << hidden;
    const std::vector<std::string> lines = linesOf(folder.read("対局一.棋譜"));
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_TRUE(isDateTime(lines[0])) << lines[0];
    EXPECT_EQ(lines[1], "先手：MAN");
    EXPECT_EQ(lines[2], "後手：MAN");
    for (std::size_t i = 0; i < SixMoves::kLines.size(); ++i) EXPECT_EQ(lines[3 + i], SixMoves::kLines[i]);

    // The game goes on after saving; then the record is loaded over it.
    w.choose("KIFU_READ");
    EXPECT_TRUE(w.panelShows("File1"));
    EXPECT_FALSE(w.panelShows("Text1"));
    EXPECT_EQ(w.listedFiles(), QStringList{"対局一.棋譜"});
    w.forget();
    ASSERT_TRUE(w.clickFile("対局一.棋譜"));
    EXPECT_EQ(w.messages(), (Strings{" 読み込みました|棋譜", "棋譜を '進 'で進めて下さい|棋譜"}));
    EXPECT_FALSE(w.panelShows("File1"));
    EXPECT_EQ(g.state.kifuMode, 1);
    EXPECT_EQ(g.state.gameKind, state::kTwoPlayers);  // the lower side moved first
    EXPECT_EQ(g.state.sideToMove, 1);
    EXPECT_EQ(g.record.counter, 0);
    EXPECT_EQ(g.record.last, 7);
    EXPECT_EQ(boardText(g.board), boardText(humanFirstPosition()));

    // 進: one move a press, the two steps together; then the end.
    const int counters[] = {0, 2, 3, 4, 5, 6, 7};
    for (int move = 1; move <= 6; ++move) {
        SCOPED_TRACE("進 " + std::to_string(move));
        w.forget();
        w.choose("AFTER");
        EXPECT_EQ(w.messages(), Strings{});
        EXPECT_EQ(g.record.counter, counters[move]);
        EXPECT_EQ(g.state.moveNumber, move);
        EXPECT_EQ(boardText(g.board), boardText(game.positions[move]));
    }
    w.forget();
    w.choose("AFTER");
    EXPECT_EQ(w.messages(), Strings{"終わり|進む"});
    EXPECT_EQ(boardText(g.board), boardText(game.positions[6]));

    // 戻: the pawn, the capture (the horse comes back), the promotion (the
    // bishop goes home unpromoted), the jump, the pawn, the two steps.
    for (int move = 5; move >= 0; --move) {
        SCOPED_TRACE("戻 to " + std::to_string(move));
        w.forget();
        w.choose("REPLAY");
        EXPECT_EQ(w.messages(), Strings{});
        EXPECT_EQ(g.record.counter, counters[move]);
        EXPECT_EQ(g.state.moveNumber, move);
        EXPECT_EQ(boardText(g.board), boardText(game.positions[move]));
        if (move == 4) {
            EXPECT_EQ(g.board(3, 7), 13);  // the horse is back
        }
        if (move == 3) {
            EXPECT_EQ(g.board(8, 2), 12);  // the bishop, unpromoted, at home
        }
    }
    w.forget();
    w.choose("REPLAY");
    EXPECT_EQ(w.messages(), Strings{"できません|戻る|禁止"});
    EXPECT_EQ(g.record.last, 7);
}

// スタート on the computer-first position (後手, then 戻 to its start): the
// upper Nue King owns the first move, so the saved record, whose first mover
// names its starting position, replays to the boards that were played.
TEST(Records, ATwoPlayerGameBegunOnTheComputerFirstPositionReplaysAsPlayed) {
    WorkingFolder folder;
    PlayWindow w;
    w.start();
    state::Game& g = w.game();
    w.choose("GOTE");
    w.choose("REPLAY");
    ASSERT_EQ(g.record.counter, 0);
    w.forget();
    w.choose("START");
    EXPECT_EQ(w.messages(), Strings{"先手の番です| "});
    std::vector<state::Board> positions{g.board};
    ASSERT_EQ(boardText(g.board), boardText(computerFirstPosition()));
    const std::array<std::array<int, 4>, 4> moves{{{5, 1, 5, 3}, {5, 7, 5, 6}, {5, 3, 3, 4}, {4, 7, 4, 6}}};
    for (const auto& m : moves) {
        w.click(m[0], m[1]);
        w.click(m[2], m[3]);
        positions.push_back(g.board);
    }
    ASSERT_EQ(g.record.counter, 4);
    EXPECT_EQ(g.board(3, 4), 14);

    w.choose("KIFU_WRITE");
    w.saveAs("上手から");
    w.choose("KIFU_READ");
    ASSERT_TRUE(w.clickFile("上手から.棋譜"));
    EXPECT_EQ(boardText(g.board), boardText(positions[0]));
    for (std::size_t move = 1; move < positions.size(); ++move) {
        SCOPED_TRACE("進 " + std::to_string(move));
        w.choose("AFTER");
        EXPECT_EQ(boardText(g.board), boardText(positions[move]));
    }
}

// 反転 twice gives the position back but not the record; a reversed game is
// not saved, and has nothing to step through.
TEST(Records, ReversalTwiceRestoresThePositionAndSavingAfterReversalIsRefused) {
    WorkingFolder folder;
    PlayWindow w;
    w.start();
    SixMoves game;
    game.play(w);
    state::Game& g = w.game();
    const state::Board before = g.board;
    const int human = g.state.humanToken, side = g.state.sideToMove, number = g.state.moveNumber;

    w.forget();
    w.choose("REVERSE");
    EXPECT_EQ(w.messages(), Strings{});
    EXPECT_EQ(boardText(g.board), boardText(halfTurn(before)));
    EXPECT_EQ(g.record.counter, 0);
    EXPECT_EQ(g.record.last, 0);
    EXPECT_EQ(g.state.humanToken, -human);
    EXPECT_EQ(g.state.sideToMove, side);
    EXPECT_EQ(g.state.moveNumber, number);

    w.choose("REVERSE");
    EXPECT_EQ(boardText(g.board), boardText(before));
    EXPECT_EQ(g.record.last, 0);
    EXPECT_EQ(g.state.humanToken, human);

    w.forget();
    w.choose("KIFU_WRITE");
    EXPECT_EQ(w.messages(), Strings{"反転後は書き込みできません|棋譜書込|禁止"});
    EXPECT_FALSE(w.panelShows("Text1"));
    w.forget();
    w.choose("AFTER");
    w.choose("REPLAY");
    EXPECT_EQ(w.messages(), (Strings{"できません|進む|禁止", "できません|戻る|禁止"}));
    EXPECT_EQ(boardText(g.board), boardText(before));
    EXPECT_TRUE(fs::is_empty(folder.path));
}

namespace {

constexpr const char* kHeader = "2024/01/01 10:00:00\r\n先手：MAN\r\n後手：COM LEVEL3\r\n";

std::string manyMoveLines(int n) {
    std::string text = kHeader;
    for (int i = 0; i < n; ++i) text += i % 2 == 0 ? "5 9 5 8 -14-140  \r\n" : "5 8 5 9 -14-140  \r\n";
    return text;
}

std::string notText() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    return bytes;
}

// The game as far as a load could change it.
std::string gameText(const state::Game& g) {
    const state::GameState& s = g.state;
    std::string text = boardText(g.board);
    for (int k = 0; k <= g.record.last; ++k)
        text += std::to_string(g.record.fromX[k]) + std::to_string(g.record.fromY[k]) +
                std::to_string(g.record.toX[k]) + std::to_string(g.record.toY[k]) + " " +
                std::to_string(g.record.placed[k]) + " " + std::to_string(g.record.moved[k]) + " " +
                std::to_string(g.record.captured[k]) + "\n";
    return text + std::to_string(g.record.counter) + "/" + std::to_string(g.record.last) + " side " +
           std::to_string(s.sideToMove) + " kind " + std::to_string(s.gameKind) + " kifu " +
           std::to_string(s.kifuMode) + " number " + std::to_string(s.moveNumber) + " tokens " +
           std::to_string(s.humanToken) + std::to_string(s.comToken) + " level " + std::to_string(s.level);
}

}  // namespace

// A file that cannot be a record is refused with one message, and the game
// in progress goes on exactly as it was.
TEST(Records, BadFilesLeaveTheGameInProgressUntouched) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string message;
    };
    const Case cases[] = {
        {"空.棋譜", "", "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません|棋譜"},
        {"見出しだけ.棋譜", kHeader, "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません|棋譜"},
        {"座標0.棋譜", std::string(kHeader) + "5 9 5 8 -14-140  \r\n5 8 0 7 -14-140  \r\n",
         "座標0.棋譜：5行目が正しくありません|棋譜"},
        {"駒16.棋譜", std::string(kHeader) + "5 9 5 8 16 -140  \r\n",
         "駒16.棋譜：4行目が正しくありません|棋譜"},
        {"501手.棋譜", manyMoveLines(501), "501手.棋譜：504行目が正しくありません|棋譜"},
        {"文字でない.棋譜", notText(), "文字でない.棋譜：1行目が正しくありません|棋譜"},
        {"消えた.棋譜", manyMoveLines(2), "消えた.棋譜：読み込めません|棋譜"},
    };
    WorkingFolder folder;
    for (const Case& c : cases) folder.write(c.name, c.bytes);
    // 500 lines are a whole record: the limit is the 501st.
    folder.write("500手.棋譜", manyMoveLines(500));
    PlayWindow w;
    w.start();
    w.choose("SENTE");
    w.click(5, 9);
    w.click(5, 7);
    state::Game& g = w.game();
    ASSERT_EQ(g.record.counter, 2);
    const std::string before = gameText(g);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        w.choose("KIFU_READ");
        ASSERT_TRUE(w.listedFiles().contains(QString::fromUtf8(c.name)));
        if (std::string(c.name) == "消えた.棋譜") fs::remove(fs::path(folder.path) / c.name);
        w.forget();
        ASSERT_TRUE(w.clickFile(QString::fromUtf8(c.name)));
        EXPECT_EQ(w.messages(), Strings{c.message});
        EXPECT_EQ(gameText(g), before);
        EXPECT_FALSE(w.panelShows("File1"));
    }
    // The game goes on: the human moves (back home, out of every reach) and
    // the computer answers.
    w.click(5, 7);
    w.click(5, 9);
    EXPECT_EQ(g.record.counter, 4);
    EXPECT_EQ(gameProblem(g, humanFirstPosition()), "");
    // While a record of 500 moves loads whole.
    w.choose("KIFU_READ");
    w.forget();
    ASSERT_TRUE(w.clickFile("500手.棋譜"));
    EXPECT_EQ(w.messages(), (Strings{" 読み込みました|棋譜", "棋譜を '進 'で進めて下さい|棋譜"}));
    EXPECT_EQ(g.record.last, 500);
}

namespace {

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A game against the computer with a move made, saved once as 残す.棋譜
// through the panel; then one more move, so that a second save would differ.
void playAndSaveOnce(PlayWindow& w) {
    w.choose("SENTE");
    w.click(5, 9);
    w.click(5, 7);
    w.choose("KIFU_WRITE");
    w.saveAs("残す");
    ASSERT_EQ(w.messages().back(), "棋譜を書き込みました|  ");
    w.click(5, 7);
    w.click(5, 9);  // back home, out of every reach
    ASSERT_EQ(w.game().record.counter, 4);
}

// A save that cannot be written: one message with the reason, the panel
// still open for another try, the game and the old file as they were and
// nothing else left in the folder.
void expectSaveRefused(PlayWindow& w, const std::string& folder, const std::string& oldBytes,
                       const std::string& reason, const std::string& gameBefore) {
    EXPECT_EQ(w.messages(), Strings{"保存できませんでした：" + reason + "|棋譜保存"});
    EXPECT_TRUE(w.panelShows("Text1"));
    EXPECT_TRUE(w.panelShows("Command1"));
    EXPECT_EQ(w.window.port().nameBoxText(), "残す");
    EXPECT_EQ(gameText(w.game()), gameBefore);
    std::ifstream in(fs::path(folder) / "残す.棋譜", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), oldBytes);
}

constexpr uid_t kNobody = 65534;

// Root writes into any folder; the user nobody only where others may.
bool mayActAsNobody() { return ::geteuid() != 0 || (::seteuid(kNobody) == 0 && ::seteuid(0) == 0); }

// The effective user for as long as it lives: nobody, when running as root.
struct ActingAsNobody {
    bool active = false;
    ActingAsNobody() {
        if (::geteuid() == 0) active = ::seteuid(kNobody) == 0;
    }
    ~ActingAsNobody() {
        if (active) {
            EXPECT_EQ(::seteuid(0), 0);
        }
    }
};

}  // namespace

TEST(Records, SavingIntoAFolderThatCannotBeWrittenKeepsTheOldFile) {
    if (!mayActAsNobody())
        GTEST_SKIP() << "running as root, which writes into read-only folders, without the right to act "
                        "as the user nobody";
    WorkingFolder folder;
    PlayWindow w;
    w.start();
    playAndSaveOnce(w);
    const std::string oldBytes = folder.read("残す.棋譜");
    w.choose("KIFU_WRITE");
    fs::permissions(folder.path, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                     fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const std::string gameBefore = gameText(w.game());
    w.forget();
    {
        const ActingAsNobody nobody;
        w.saveAs("残す");
    }
    fs::permissions(folder.path, fs::perms::owner_all);
    expectSaveRefused(w, folder.path, oldBytes, std::make_error_code(std::errc::permission_denied).message(),
                      gameBefore);
    EXPECT_EQ(namesIn(folder.path), Strings{"残す.棋譜"});
    // With the folder writable again the same press saves.
    w.forget();
    w.saveAs("残す");
    EXPECT_EQ(w.messages(), Strings{"棋譜を書き込みました|  "});
    EXPECT_EQ(linesOf(folder.read("残す.棋譜")).size(), 3u + 4u);
}

// A disk with no room left: a small file system of its own, mounted over a
// folder and filled up before the second save.
TEST(Records, SavingOntoAFullDiskKeepsTheOldFile) {
    WorkingFolder outer;
    const std::string disk = outer.path + "/disk";
    fs::create_directory(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k") != 0)
        GTEST_SKIP() << "a small file system cannot be mounted here (" << std::strerror(errno)
                     << "); the file-size limit below still makes a save fail part-way";
    struct Unmount {
        std::string path;
        ~Unmount() { ::umount2(path.c_str(), MNT_DETACH); }
    } unmount{disk};
    fs::current_path(disk);
    {
        PlayWindow w;
        w.start();
        playAndSaveOnce(w);
        std::ifstream in(fs::path(disk) / "残す.棋譜", std::ios::binary);
        const std::string oldBytes(std::istreambuf_iterator<char>(in), {});
        // Fill the disk to its last byte.
        {
            std::ofstream filler(fs::path(disk) / "filler", std::ios::binary);
            const std::string block(512, 'x');
            while (filler.write(block.data(), block.size())) filler.flush();
        }
        std::ofstream(fs::path(disk) / "filler", std::ios::binary | std::ios::app).write("x", 1);
        w.choose("KIFU_WRITE");
        const std::string gameBefore = gameText(w.game());
        w.forget();
        w.saveAs("残す");
        expectSaveRefused(w, disk, oldBytes, std::make_error_code(std::errc::no_space_on_device).message(),
                          gameBefore);
        EXPECT_EQ(namesIn(disk), (Strings{"filler", "残す.棋譜"}));
        // Room again: the same press saves the longer game.
        fs::remove(fs::path(disk) / "filler");
        w.forget();
        w.saveAs("残す");
        EXPECT_EQ(w.messages(), Strings{"棋譜を書き込みました|  "});
    }
    fs::current_path(outer.path);
}

// A write that stops part-way: the file-size limit lowered for a moment, as
// a disk that fills during the save. The temporary file goes; the old stays.
TEST(Records, SavingThatFailsPartWayKeepsTheOldFile) {
    WorkingFolder folder;
    PlayWindow w;
    w.start();
    playAndSaveOnce(w);
    const std::string oldBytes = folder.read("残す.棋譜");
    w.choose("KIFU_WRITE");
    const std::string gameBefore = gameText(w.game());
    w.forget();
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    struct sigaction ignore {
    }, previous{};
    ignore.sa_handler = SIG_IGN;
    ASSERT_EQ(::sigaction(SIGXFSZ, &ignore, &previous), 0);  // a failed write, not a killed process
    const rlimit small{64, limit.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    w.saveAs("残す");
    EXPECT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    ::sigaction(SIGXFSZ, &previous, nullptr);
    expectSaveRefused(w, folder.path, oldBytes, std::make_error_code(std::errc::file_too_large).message(),
                      gameBefore);
    EXPECT_EQ(namesIn(folder.path), Strings{"残す.棋譜"});
}

// Records written by the command line's self-play load in the window and
// replay with 進 to their final position, one press a move, then 終わり.
TEST(Records, SelfPlayRecordsLoadAndReplayToTheirEnd) {
    WorkingFolder folder;
    QProcess cli;
    cli.start(NUEDORI_CLI, {"selfplay", "--games", "4", "--level", "3", "--random-plies", "6", "--seed", "1",
                            "--out", QString::fromStdString(folder.path)});
    ASSERT_TRUE(cli.waitForFinished(60000)) << "nuedori-cli did not finish";
    ASSERT_EQ(cli.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    PlayWindow w;
    w.start();
    w.choose("KIFU_READ");
    const QStringList files = w.listedFiles();
    ASSERT_EQ(files.size(), 4);
    state::Game& g = w.game();
    int twoStepMoves = 0;
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        const record::ReadResult read = record::readKifuFile(fs::path(folder.path) / name.toStdString());
        ASSERT_TRUE(std::holds_alternative<record::Kifu>(read));
        const std::vector<state::Move>& entries = std::get<record::Kifu>(read).entries;
        ASSERT_FALSE(entries.empty());
        const bool upperFirst = entries.front().moved >= 1;
        w.choose("KIFU_READ");
        w.forget();
        ASSERT_TRUE(w.clickFile(name));
        EXPECT_EQ(w.messages(), (Strings{" 読み込みました|棋譜", "棋譜を '進 'で進めて下さい|棋譜"}));
        EXPECT_EQ(g.state.gameKind, upperFirst ? state::kAgainstComputer : state::kTwoPlayers);
        const state::Board start = upperFirst ? computerFirstPosition() : humanFirstPosition();
        EXPECT_EQ(boardText(g.board), boardText(start));
        // Its own count of moves: a Nue King's second step is no move of its own.
        int moves = 0;
        for (std::size_t k = 0; k < entries.size(); ++k) {
            const bool second = k > 0 && (entries[k].placed == 14 || entries[k].placed == -14) &&
                                entries[k].placed == entries[k - 1].placed;
            moves += !second;
            twoStepMoves += second;
        }
        state::Board board = start;
        for (const state::Move& e : entries) {
            board(e.fromX, e.fromY) = 0;
            board(e.toX, e.toY) = e.placed;
        }
        w.forget();
        for (int press = 1; press <= moves; ++press) {
            w.choose("AFTER");
            ASSERT_EQ(gameProblem(g, start), "") << "press " << press;
        }
        EXPECT_EQ(w.messages(), Strings{});
        EXPECT_EQ(g.record.counter, static_cast<int>(entries.size()));
        EXPECT_EQ(g.state.moveNumber, moves);
        EXPECT_EQ(boardText(g.board), boardText(board));
        w.choose("AFTER");
        EXPECT_EQ(w.messages(), Strings{"終わり|進む"});
    }
    // The games hold two-step moves of the Nue King, each stepped as one.
    EXPECT_GT(twoStepMoves, 0);
}
