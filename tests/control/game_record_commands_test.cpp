#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "control/commands.h"
#include "play.h"
#include "record/kifu_format.h"

using namespace control;
using namespace state;
using testing_support::boardText;
using testing_support::click;
using testing_support::setBoard;
using testing_support::TestGame;
using testing_support::twoPlayerGame;
namespace fs = std::filesystem;

namespace {

// Upper rook able to take a gold and promote, lower pawn one step from promotion,
// lower Nue King in the corner.
constexpr std::string_view kPosition = R"(
    . . . . 15 . . . .
    -1 10 . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . -9 . . . . . . .
    . . . . . . . . -14)";

// Three moves: the pawn promotes, the rook takes the gold and promotes, the
// Nue King steps twice.
void playThreeMoves(TestGame& t) {
    click(t.game, 1, 2);
    click(t.game, 1, 1, kRightButton);
    click(t.game, 2, 2);
    click(t.game, 2, 8, kRightButton);
    click(t.game, 9, 9);
    click(t.game, 8, 8);
    click(t.game, 7, 7);
}

struct Snapshot {
    std::string board;
    state::MoveRecord record;
    GameState state;
};

Snapshot snapshot(const Game& g) { return {boardText(g.board), g.record, g.state}; }

void expectUnchanged(const Snapshot& before, const Game& g) {
    EXPECT_EQ(before.board, boardText(g.board));
    EXPECT_EQ(before.record.counter, g.record.counter);
    EXPECT_EQ(before.record.last, g.record.last);
    EXPECT_EQ(before.record.moved, g.record.moved);
    EXPECT_EQ(before.state.sideToMove, g.state.sideToMove);
    EXPECT_EQ(before.state.kifuMode, g.state.kifuMode);
    EXPECT_EQ(before.state.moveNumber, g.state.moveNumber);
}

struct TempFolder {
    fs::path path;
    TempFolder() {
        char name[] = "/tmp/nuedori-record-XXXXXX";
        path = mkdtemp(name);
    }
    ~TempFolder() { fs::remove_all(path); }
};

void writeFile(const fs::path& p, std::string_view bytes) {
    std::ofstream out(p, std::ios::binary);
    out << bytes;
}

}  // namespace

TEST(Replay, BackOverPromotionCaptureAndTwoStepsThenForwardAgain) {
    TestGame t;
    twoPlayerGame(t, kPosition);
    playThreeMoves(t);
    ASSERT_EQ(t.game.record.counter, 4);
    const std::string final = boardText(t.game.board);
    EXPECT_EQ(t.game.state.moveNumber, 3);
    REPLAY_Click(t.game);  // the two Nue King steps as one
    EXPECT_EQ(t.game.record.counter, 2);
    EXPECT_EQ(t.game.board(9, 9), -14);
    EXPECT_EQ(t.game.state.moveNumber, 2);
    REPLAY_Click(t.game);  // the captured gold returns, the dragon is a rook again
    EXPECT_EQ(t.game.board(2, 8), -9);
    EXPECT_EQ(t.game.board(2, 2), 10);
    REPLAY_Click(t.game);  // the promoted pawn is a pawn again
    EXPECT_EQ(t.game.board(1, 2), -1);
    EXPECT_EQ(t.game.board(1, 1), 0);
    EXPECT_EQ(t.game.state.moveNumber, 0);
    t.port.clear();
    REPLAY_Click(t.game);
    EXPECT_EQ(t.port.messages(), (std::vector<std::string>{"できません|戻る"}));
    EXPECT_EQ(t.port.linesStartingWith("play 2").size(), 1u);
    AFTER_Click(t.game);
    AFTER_Click(t.game);
    AFTER_Click(t.game);
    EXPECT_EQ(boardText(t.game.board), final);
    EXPECT_EQ(t.game.record.counter, 4);
    t.port.clear();
    AFTER_Click(t.game);  // a game in progress: the end is a refusal
    EXPECT_EQ(t.port.messages(), (std::vector<std::string>{"できません|進む"}));
    EXPECT_EQ(t.game.state.resumeNotice, 1);
}

TEST(Replay, RefusedWithoutAGameAndBetweenTheTwoSteps) {
    TestGame t;
    Form_Load(t.game);
    AFTER_Click(t.game);
    EXPECT_EQ(t.port.messages().back(), "「対局」で始めて下さい|開始");
    twoPlayerGame(t, kPosition);
    click(t.game, 9, 9);
    click(t.game, 8, 8);
    ASSERT_EQ(t.game.state.stepState, 2);
    AFTER_Click(t.game);
    REPLAY_Click(t.game);
    REVERSE_Click(t.game);
    EXPECT_EQ(t.port.messages(),
              (std::vector<std::string>{"2手目移動中はできません！|進む", "2手目移動中はできません！|戻る",
                                        "2手目移動中はできません！|反転"}));
    EXPECT_EQ(t.game.board(8, 8), -14);
}

TEST(Reversal, TwiceRestoresThePositionAndTokensButNotTheRecord) {
    TestGame t;
    Form_Load(t.game);
    SENTE_Click(t.game);
    click(t.game, 5, 9);
    click(t.game, 5, 7);
    const std::string before = boardText(t.game.board);
    ASSERT_GT(t.game.record.counter, 0);
    REVERSE_Click(t.game);
    EXPECT_EQ(t.game.state.comToken, 1);
    EXPECT_EQ(t.game.state.humanToken, -1);
    EXPECT_EQ(t.game.record.counter, 0);
    EXPECT_EQ(t.game.record.placed[0], 0);
    EXPECT_EQ(t.game.state.reversed, 1);
    REVERSE_Click(t.game);
    EXPECT_EQ(boardText(t.game.board), before);
    EXPECT_EQ(t.game.state.comToken, -1);
    EXPECT_EQ(t.game.record.last, 0);
    t.port.clear();
    KIFU_WRITE_Click(t.game);
    EXPECT_EQ(t.port.messages(), (std::vector<std::string>{"反転後は書き込みできません|棋譜書込"}));
    EXPECT_EQ(t.port.log.front(), "play 2");
}

TEST(Reversal, RefusedInKifuMode) {
    TestGame t;
    Form_Load(t.game);
    t.game.state.kifuMode = 1;
    REVERSE_Click(t.game);
    EXPECT_EQ(t.port.messages().back(), "棋譜ﾓｰﾄﾞではできません|反転");
}

TEST(SaveAndLoad, AThreeMoveGameSavesAsSixLinesAndReplaysToItsFinalPosition) {
    TempFolder folder;
    TestGame t;
    twoPlayerGame(t, kPosition);
    playThreeMoves(t);
    const state::MoveRecord played = t.game.record;
    KIFU_WRITE_Click(t.game);
    t.port.folder = folder.path.string();
    t.port.nameBox = "three";
    Command1_Click(t.game);
    EXPECT_EQ(t.port.messages().back(), "棋譜を書き込みました|  ");
    std::ifstream in(folder.path / "three.棋譜", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    const std::string bytes = text.str();
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 7);  // 3 header lines and 4 entries
    EXPECT_NE(bytes.find("\r\n1 2 1 1 -2 -1 0  \r\n"), std::string::npos);
    EXPECT_NE(bytes.find("先手：MAN"), std::string::npos);

    TestGame loaded;
    Form_Load(loaded.game);
    File1_Click(loaded.game, (folder.path / "three.棋譜").string());
    EXPECT_EQ(loaded.port.messages(),
              (std::vector<std::string>{" 読み込みました|棋譜", "棋譜を '進 'で進めて下さい|棋譜"}));
    EXPECT_EQ(loaded.game.state.kifuMode, 1);
    EXPECT_EQ(loaded.game.state.gameKind, kTwoPlayers);  // the lower side moved first
    EXPECT_EQ(loaded.game.record.last, 4);
    EXPECT_EQ(loaded.game.record.counter, 0);
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(loaded.game.record.moved[k], played.moved[k]);
        EXPECT_EQ(loaded.game.record.placed[k], played.placed[k]);
        EXPECT_EQ(loaded.game.record.captured[k], played.captured[k]);
        EXPECT_EQ(loaded.game.record.toX[k], played.toX[k]);
    }
}

TEST(SaveAndLoad, AComputerFirstRecordLoadsAgainstTheComputerAndStepsToTheEnd) {
    TempFolder folder;
    TestGame t;
    Form_Load(t.game);
    GOTE_Click(t.game);
    for (int i = 0; i < 3 && t.game.state.sideToMove == -1; ++i) {
        // The human's army: advance a pawn on each move.
        click(t.game, 1 + i, 7);
        click(t.game, 1 + i, 6);
    }
    const std::string final = boardText(t.game.board);
    const int entries = t.game.record.last;
    ASSERT_GE(entries, 4);
    KIFU_WRITE_Click(t.game);
    t.port.folder = folder.path.string();
    t.port.nameBox = "gote";
    Command1_Click(t.game);

    TestGame loaded;
    Form_Load(loaded.game);
    File1_Click(loaded.game, (folder.path / "gote.棋譜").string());
    EXPECT_EQ(loaded.game.state.gameKind, kAgainstComputer);
    EXPECT_EQ(loaded.game.state.comToken, 1);
    const auto upperLabel = loaded.port.linesStartingWith("text 11 5.08");
    ASSERT_FALSE(upperLabel.empty());
    EXPECT_NE(upperLabel.back().find("先手:"), std::string::npos);
    int steps = 0;
    while (loaded.game.record.counter < loaded.game.record.last && steps < 600) {
        AFTER_Click(loaded.game);
        ++steps;
    }
    EXPECT_EQ(boardText(loaded.game.board), final);
    loaded.port.clear();
    AFTER_Click(loaded.game);
    EXPECT_EQ(loaded.port.messages(), (std::vector<std::string>{"終わり|進む"}));
    EXPECT_TRUE(loaded.port.linesStartingWith("play 2").empty());  // no refusal sound in kifu mode
}

TEST(SaveAndLoad, SavingRefusalsKeepThePanelOpen) {
    TempFolder folder;
    TestGame t;
    twoPlayerGame(t, kPosition);
    t.port.folder = folder.path.string();
    Command1_Click(t.game);
    EXPECT_EQ(t.port.messages().back(), "ﾌｧｲﾙ名が入力されていません|  ");
    t.port.nameBox = "empty";
    Command1_Click(t.game);
    EXPECT_EQ(t.port.messages().back(), "保存するデータがありません|棋譜保存");
    playThreeMoves(t);
    t.port.nameBox = "a/b";
    t.port.clear();
    Command1_Click(t.game);
    ASSERT_EQ(t.port.messages().size(), 1u);
    EXPECT_NE(t.port.messages()[0].find("|棋譜保存"), std::string::npos);
    EXPECT_TRUE(t.port.linesStartingWith("lists").empty());  // the panel was not hidden
    // A folder that does not exist.
    t.port.folder = (folder.path / "missing").string();
    t.port.nameBox = "x";
    t.port.clear();
    Command1_Click(t.game);
    ASSERT_EQ(t.port.messages().size(), 1u);
    EXPECT_NE(t.port.messages()[0].find("|棋譜保存"), std::string::npos);
    EXPECT_EQ(t.game.record.last, 4);
}

TEST(SaveAndLoad, BadFilesAreRefusedAndTheGameInProgressIsUntouched) {
    TempFolder folder;
    const std::string header = "a\r\nb\r\nc\r\n";
    const std::string good = "7 7 7 6 -1 -1 0  \r\n";
    struct Case {
        const char* name;
        std::string bytes;
        std::string message;
    };
    std::string tooMany = header;
    for (int i = 0; i < 501; ++i) tooMany += good;
    const std::vector<Case> cases = {
        {"empty.棋譜", "", "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません|棋譜"},
        {"header.棋譜", header, "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません|棋譜"},
        {"zero.棋譜", header + good + "0 7 7 6 -1 -1 0  \r\n", "zero.棋譜：5行目が正しくありません|棋譜"},
        {"sixteen.棋譜", header + "7 7 7 6 16 16 0  \r\n", "sixteen.棋譜：4行目が正しくありません|棋譜"},
        {"many.棋譜", tooMany, "many.棋譜：504行目が正しくありません|棋譜"},
        {"binary.棋譜", header + std::string("\x00\x01\x02\xff\xfe", 5) + "\r\n",
         "binary.棋譜：4行目が正しくありません|棋譜"},
    };
    TestGame t;
    twoPlayerGame(t, kPosition);
    playThreeMoves(t);
    for (const Case& c : cases) {
        writeFile(folder.path / c.name, c.bytes);
        const Snapshot before = snapshot(t.game);
        t.port.clear();
        File1_Click(t.game, (folder.path / c.name).string());
        EXPECT_EQ(t.port.messages(), (std::vector<std::string>{c.message})) << c.name;
        expectUnchanged(before, t.game);
    }
    // A file that vanished between the listing and the click.
    const Snapshot before = snapshot(t.game);
    t.port.clear();
    File1_Click(t.game, (folder.path / "gone.棋譜").string());
    EXPECT_EQ(t.port.messages(), (std::vector<std::string>{"gone.棋譜：読み込めません|棋譜"}));
    expectUnchanged(before, t.game);
}

TEST(SaveAndLoad, LoadingRestartsTheMusicOnceAndKeepsTheSounds) {
    TempFolder folder;
    writeFile(folder.path / "one.棋譜", "\r\n\r\n\r\n5 9 5 7 -14-140  \r\n");
    TestGame t;
    Form_Load(t.game);
    LEVEL1_Click(t.game);
    t.port.clear();
    File1_Click(t.game, (folder.path / "one.棋譜").string());
    EXPECT_TRUE(t.port.linesStartingWith("load").empty());
    EXPECT_TRUE(t.port.linesStartingWith("sound startup").empty());
    EXPECT_EQ(t.port.linesStartingWith("loop"), (std::vector<std::string>{"loop 4"}));
    EXPECT_EQ(t.port.linesStartingWith("stop"), (std::vector<std::string>{"stop 4"}));
    EXPECT_EQ(t.game.state.level, 3);  // as at start-up
    EXPECT_EQ(t.game.state.sounds.piece, 3);
}

TEST(SaveAndLoad, LabelsAndHeaderLinesAreDrawnAfterTheRedrawAndGoWithTheNextGame) {
    TempFolder folder;
    writeFile(folder.path / "one.棋譜",
              "2024/05/01 09:05:03\r\n先手：MAN\r\n後手：COM LEVEL3\r\n5 9 5 7 -14-140  \r\n");
    TestGame t;
    Form_Load(t.game);
    t.port.clear();
    File1_Click(t.game, (folder.path / "one.棋譜").string());
    const auto& log = t.port.log;
    auto lastIndexOf = [&](std::string_view needle) {
        for (std::size_t i = log.size(); i-- > 0;)
            if (log[i].find(needle) != std::string::npos) return static_cast<long>(i);
        return -1L;
    };
    const long title = lastIndexOf("image TITLE.0");  // the title closes the full redraw
    ASSERT_GE(title, 0);
    EXPECT_GT(lastIndexOf("後手:"), title);
    EXPECT_GT(lastIndexOf("先手:"), title);
    EXPECT_GT(lastIndexOf("2024/05/01 09:05:03"), title);
    EXPECT_GT(lastIndexOf("COM LEVEL3"), title);
    // Starting a game redraws the window, which erases the header lines' places.
    t.port.clear();
    SENTE_Click(t.game);
    EXPECT_EQ(t.port.linesStartingWith("rect 1 10.1 8110 940 2").size(), 1u);
}
