#include <gtest/gtest.h>

#include <algorithm>

#include "control/commands.h"
#include "control/startup.h"
#include "play.h"
#include "rules/initial_position.h"

using namespace control;
using namespace state;
using testing_support::boardText;
using testing_support::click;
using testing_support::TestGame;

namespace {

std::vector<std::string> withoutDrawing(const std::vector<std::string>& log) {
    std::vector<std::string> out;
    for (const auto& line : log)
        if (line.rfind("outline", 0) && line.rfind("image", 0) && line.rfind("rect", 0) &&
            line.rfind("text", 0) && line != "refresh")
            out.push_back(line);
    return out;
}

}  // namespace

TEST(StartUp, SoundsThenCheckMarksThenTheHumanFirstPositionAndTheLevel) {
    TestGame t;
    Form_Load(t.game);
    const std::vector<std::string> expected = {
        "sound startup",  "load その他.wav 3", "load 禁止.wav 3", "load 駒打音.wav 3", "load BGM.wav 1",
        "loop 4",         "check BGM 1",       "check SIDOU 0",   "check LEVEL1 0",    "check LEVEL2 0",
        "check LEVEL3 1",
    };
    EXPECT_EQ(withoutDrawing(t.port.log), expected);
    EXPECT_EQ(t.game.state.sounds.piece, 3);
    EXPECT_EQ(t.game.state.sideToMove, 0);
    EXPECT_EQ(t.game.state.level, 3);
    EXPECT_EQ(t.game.board(5, 9), -14);
    EXPECT_EQ(t.port.log.back(), "text 0 0 size 12 colour 15 bold 3");  // the level, last
}

TEST(Closing, EscCloseAndOwariFreeTheFourSoundsInOrderThenQuit) {
    for (auto leave : {+[](Game& g) { Form_KeyPress(g, 27); }, +[](Game& g) { Form_Unload(g); },
                       +[](Game& g) { OWARI_Click(g); }}) {
        TestGame t;
        Form_Load(t.game);
        t.port.clear();
        leave(t.game);
        const std::vector<std::string> expected = {"free 1", "free 2",         "free 3",
                                                   "free 4", "sound shutdown", "quit"};
        EXPECT_EQ(t.port.log, expected);
        EXPECT_TRUE(t.game.state.quitRequested);
    }
    TestGame t;
    Form_KeyPress(t.game, 'a');
    EXPECT_TRUE(t.port.log.empty());
}

TEST(Level, ChoosingTheCheckedLevelChangesNothing) {
    TestGame t;
    Form_Load(t.game);
    t.port.clear();
    LEVEL3_Click(t.game);
    EXPECT_TRUE(t.port.log.empty());
    LEVEL2_Click(t.game);
    EXPECT_EQ(t.game.state.level, 2);
    EXPECT_EQ(t.port.log[0], "check LEVEL1 0");
    EXPECT_EQ(t.port.log[1], "check LEVEL2 1");
    EXPECT_EQ(t.port.log[2], "check LEVEL3 0");
    EXPECT_EQ(t.port.log.back(), "text 0 0 size 12 colour 15 bold 2");
}

TEST(Level, SearchLevelsCarryTheirOwnMarksAndAFreshStartClearsThem) {
    TestGame t;
    Form_Load(t.game);
    t.port.clear();
    LEVEL4_Click(t.game);
    EXPECT_EQ(t.game.state.level, 4);
    EXPECT_EQ(
        t.port.linesStartingWith("check"),
        (std::vector<std::string>{"check LEVEL1 0", "check LEVEL2 0", "check LEVEL3 0", "check LEVEL4 1",
                                  "check LEVEL5 0", "check LEVEL6 0", "check LEVEL7 0", "check LEVEL8 0"}));
    EXPECT_EQ(t.port.log.back(), "text 0 0 size 12 colour 15 bold 4");
    t.port.clear();
    LEVEL7_Click(t.game);
    EXPECT_EQ(t.game.state.level, 7);
    auto marks = t.port.linesStartingWith("check");
    EXPECT_NE(std::find(marks.begin(), marks.end(), "check LEVEL4 0"), marks.end());
    EXPECT_NE(std::find(marks.begin(), marks.end(), "check LEVEL7 1"), marks.end());
    t.port.clear();
    LEVEL1_Click(t.game);
    EXPECT_EQ(t.port.linesStartingWith("check").back(), "check LEVEL8 0");
    LEVEL8_Click(t.game);
    t.port.clear();
    Form_Load(t.game);  // as loading a record does
    EXPECT_EQ(t.game.state.level, 3);
    marks = t.port.linesStartingWith("check");
    EXPECT_NE(std::find(marks.begin(), marks.end(), "check LEVEL8 0"), marks.end());
}

TEST(TeachingMode, OnShowsReachInWhiteOffErasesEveryOutlineAroundTheBoard) {
    TestGame t;
    Form_Load(t.game);
    SIDOU_Click(t.game);
    EXPECT_EQ(t.game.state.movableColour, kWhite);
    EXPECT_TRUE(t.game.state.teachingOn);
    t.port.clear();
    SIDOU_Click(t.game);
    EXPECT_EQ(t.game.state.movableColour, kGreen);
    const auto outlines = t.port.linesStartingWith("outline 2 ");
    EXPECT_EQ(outlines.size(), 81u + 14u);
    EXPECT_EQ(outlines[81], "outline 2 -1 1");
    EXPECT_EQ(outlines[82], "outline 2 11 3");
    EXPECT_EQ(outlines.back(), "outline 2 11 9");
    EXPECT_EQ(t.port.log.back(), "check SIDOU 0");
}

TEST(Music, BgmStopsAndLoopsAgain) {
    TestGame t;
    Form_Load(t.game);
    t.port.clear();
    BGM_Click(t.game);
    BGM_Click(t.game);
    EXPECT_EQ(t.port.log, (std::vector<std::string>{"check BGM 0", "stop 4", "check BGM 1", "loop 4"}));
}

TEST(NewGames, SenteSetsTokensAndAsksTheHumanToMove) {
    TestGame t;
    Form_Load(t.game);
    SENTE_Click(t.game);
    const GameState& s = t.game.state;
    EXPECT_EQ(s.humanToken, 1);
    EXPECT_EQ(s.comToken, -1);
    EXPECT_EQ(s.sideToMove, 1);
    EXPECT_EQ(s.gameKind, kAgainstComputer);
    EXPECT_EQ(t.port.messages(), (std::vector<std::string>{"MANの番です| "}));
    EXPECT_EQ(t.port.linesStartingWith("text 11 5.05").size(), 1u);
    EXPECT_NE(t.port.linesStartingWith("text 11 5.05")[0].find("COM:"), std::string::npos);
    EXPECT_NE(t.port.linesStartingWith("text 11 6.05")[0].find("MAN:"), std::string::npos);
}

TEST(NewGames, GoteWaitsHalfASecondAndTheComputerMovesWithoutAMessage) {
    TestGame t;
    Form_Load(t.game);
    t.port.clear();
    GOTE_Click(t.game);
    const GameState& s = t.game.state;
    EXPECT_EQ(s.humanToken, -1);
    EXPECT_EQ(s.comToken, 1);
    EXPECT_EQ(s.sideToMove, -1);  // the computer has moved: the human's turn
    EXPECT_GE(t.game.record.counter, 1);
    EXPECT_EQ(t.game.record.moved[1], 14);
    EXPECT_EQ(t.port.linesStartingWith("wait ")[0], "wait 0.5");
    for (const auto& m : t.port.messages()) EXPECT_EQ(m.find("番です"), std::string::npos) << m;
    EXPECT_EQ(s.moveNumber, 1);
}

TEST(NewGames, StartAfterCancelIsAFreshTwoPlayerGameLowerFirst) {
    TestGame t;
    Form_Load(t.game);
    CANCEL_Click(t.game);
    EXPECT_EQ(t.port.log.back(), "play 3");
    t.port.clear();
    START_Click(t.game);
    EXPECT_EQ(t.game.state.gameKind, kTwoPlayers);
    EXPECT_EQ(t.game.state.sideToMove, 1);
    EXPECT_EQ(t.game.state.humanToken, 1);
    EXPECT_EQ(t.port.messages(), (std::vector<std::string>{"先手の番です| "}));
}

TEST(NewGames, StartInTheMiddleOfAComputerFirstGameKeepsThePositionAndSwapsLabels) {
    TestGame t;
    Form_Load(t.game);
    GOTE_Click(t.game);
    const std::string before = boardText(t.game.board);
    const int side = t.game.state.sideToMove;
    t.port.clear();
    START_Click(t.game);
    EXPECT_EQ(boardText(t.game.board), before);
    EXPECT_EQ(t.game.state.gameKind, kTwoPlayers);
    EXPECT_EQ(t.game.state.sideToMove, side);
    EXPECT_EQ(t.port.messages(), (std::vector<std::string>{"後手の番です| "}));
    // First drawn as 後手 above, then redrawn with 先手 above.
    const auto upper = t.port.linesStartingWith("text 11 5.08");
    ASSERT_EQ(upper.size(), 2u);
    EXPECT_NE(upper[0].find("後手:"), std::string::npos);
    EXPECT_NE(upper[1].find("先手:"), std::string::npos);
}

TEST(NewGames, StartOnTheComputerFirstPositionGivesTheUpperNueKingTheFirstMove) {
    TestGame t;
    Form_Load(t.game);
    rules::初期設定_先手敵(t.game);
    t.port.clear();
    START_Click(t.game);
    EXPECT_EQ(t.game.state.sideToMove, 1);
    EXPECT_EQ(t.game.state.comToken, 1);
    EXPECT_EQ(t.game.state.humanToken, -1);
    EXPECT_EQ(t.port.messages(), (std::vector<std::string>{"先手の番です| "}));
    const auto upper = t.port.linesStartingWith("text 11 5.08");
    ASSERT_EQ(upper.size(), 2u);
    EXPECT_NE(upper[1].find("先手:"), std::string::npos);
    // The upper Nue King is picked up; the lower army waits its turn.
    click(t.game, 5, 7);
    EXPECT_EQ(t.game.state.selection, 0);
    click(t.game, 5, 1);
    EXPECT_EQ(t.game.state.selection, 1);
}

TEST(VersionBox, HidesThePanelPlaysTheChimeAndShowsNameVersionLicence) {
    TestGame t;
    Form_Load(t.game);
    t.port.clear();
    VER_Click(t.game);
    ASSERT_EQ(t.port.log.size(), 5u);
    EXPECT_EQ(t.port.log[0], "lists 000");
    EXPECT_EQ(t.port.log[3], "play 1");
    EXPECT_NE(t.port.log[4].find(" QXぬえどり王"), std::string::npos);
    EXPECT_NE(t.port.log[4].find("MIT License"), std::string::npos);
}
