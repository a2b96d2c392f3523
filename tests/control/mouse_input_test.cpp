#include <gtest/gtest.h>

#include "control/commands.h"
#include "play.h"

using namespace control;
using namespace state;
using testing_support::boardText;
using testing_support::click;
using testing_support::setBoard;
using testing_support::TestGame;
using testing_support::twoPlayerGame;

namespace {

constexpr std::string_view kPawnNearPromotion = R"(
    . . . . 15 . . . .
    -1 . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . -15 . . . .)";

}  // namespace

TEST(PointerToSquare, TheEdgesOfTheBoard) {
    struct Case {
        double x, y;
        bool onBoard;
    };
    // A press that misses the board is ignored after the notices.
    const Case cases[] = {{690, 300, true},   {689, 300, false},  {690, 299, false},
                          {5099, 5699, true}, {5100, 300, false}, {690, 5700, false}};
    for (const Case& c : cases) {
        TestGame t;
        Form_Load(t.game);
        START_Click(t.game);
        setBoard(t.game, kPawnNearPromotion);
        t.game.board(1, 1) = -1;
        t.game.board(9, 9) = -1;
        Form_MouseDown(t.game, kLeftButton, c.x, c.y);
        EXPECT_EQ(t.game.state.selection == 1, c.onBoard) << c.x << "," << c.y;
    }
}

TEST(Refusals, NoGameKifuModeAndTheirSounds) {
    TestGame t;
    Form_Load(t.game);
    t.port.clear();
    click(t.game, 5, 9);
    EXPECT_EQ(t.port.log[3], "play 2");
    EXPECT_EQ(t.port.messages(), (std::vector<std::string>{"「対局」で始めて下さい|開始"}));
    // Kifu mode: Yes changes nothing, No gives the refusal sound and a reset.
    t.game.state.kifuMode = 1;
    t.game.state.sideToMove = 1;
    t.port.clear();
    t.port.answers = {Answer::Yes};
    click(t.game, 5, 9);
    EXPECT_EQ(t.port.messages(), (std::vector<std::string>{"棋譜を '進 'で進めて下さい|棋譜|yesno"}));
    EXPECT_EQ(t.game.state.kifuMode, 1);
    EXPECT_TRUE(t.port.linesStartingWith("play").empty());
    t.port.answers = {Answer::No};
    click(t.game, 5, 9);
    EXPECT_EQ(t.game.state.kifuMode, 0);
    EXPECT_EQ(t.game.state.sideToMove, 0);
    EXPECT_EQ(t.port.linesStartingWith("play"), (std::vector<std::string>{"play 2"}));
}

TEST(Promotion, CompulsoryNeedsTheRightButtonAndTheRightButtonPromotes) {
    TestGame t;
    twoPlayerGame(t, kPawnNearPromotion);
    click(t.game, 1, 2);
    click(t.game, 1, 1);  // left button: refused, nothing moves
    EXPECT_EQ(t.port.messages(), (std::vector<std::string>{"マウスの右をクリックして下さい|成り"}));
    EXPECT_EQ(t.game.board(1, 2), -1);
    EXPECT_EQ(t.game.state.selection, 1);
    click(t.game, 1, 1, kRightButton);
    EXPECT_EQ(t.game.board(1, 1), -2);
    EXPECT_EQ(t.game.record.moved[1], -1);
    EXPECT_EQ(t.game.record.placed[1], -2);
    EXPECT_EQ(t.game.state.sideToMove, -1);
    EXPECT_EQ(t.game.state.moveNumber, 1);
}

TEST(Promotion, RightButtonOnAMoveThatCannotPromoteIsAPlainMove) {
    TestGame t;
    twoPlayerGame(t, kPawnNearPromotion);
    click(t.game, 5, 9);
    click(t.game, 5, 8, kRightButton);
    EXPECT_EQ(t.game.board(5, 8), -15);
    EXPECT_EQ(t.game.record.placed[1], -15);
}

TEST(Selection, OpposingPieceShowsItsReachOnlyAndReselection) {
    TestGame t;
    twoPlayerGame(t, kPawnNearPromotion);
    click(t.game, 5, 1);  // the upper king: not the mover's
    EXPECT_EQ(t.game.state.selection, 0);
    click(t.game, 5, 9);
    EXPECT_EQ(t.game.state.selection, 1);
    click(t.game, 1, 2);  // another own piece: reselect
    EXPECT_EQ(t.game.state.selectedX(), 1);
    EXPECT_EQ(t.game.state.selectedY(), 2);
    EXPECT_EQ(t.game.state.selection, 1);
    click(t.game, 5, 5);  // out of reach: nothing happens
    EXPECT_EQ(t.game.state.selection, 1);
    EXPECT_TRUE(t.port.messages().empty());
    EXPECT_EQ(t.game.record.counter, 0);
}

TEST(NueKing, TwoStepsWithARefusedSecondStepAndACaptureOnTheFirst) {
    TestGame t;
    twoPlayerGame(t, R"(
        . . . . 15 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . 3 . . . .
        . . . . -14 . . . .)");
    click(t.game, 5, 9);
    click(t.game, 5, 8);  // first step takes the lance
    EXPECT_EQ(t.game.state.stepState, 2);
    EXPECT_EQ(t.game.state.moveNumber, 0);
    EXPECT_EQ(t.game.board(5, 8), -14);
    EXPECT_EQ(t.game.record.counter, 1);
    click(t.game, 5, 8);  // staying is refused
    click(t.game, 5, 6);  // so is a second square further
    EXPECT_EQ(t.port.messages(), (std::vector<std::string>{"そこへ移動できません！|2手目移動中",
                                                           "そこへ移動できません！|2手目移動中"}));
    EXPECT_EQ(t.port.linesStartingWith("play 2").size(), 2u);
    click(t.game, 5, 9);  // back where it started
    EXPECT_EQ(t.game.board(5, 9), -14);
    EXPECT_EQ(t.game.record.counter, 2);
    EXPECT_EQ(t.game.record.captured[1], 3);
    EXPECT_EQ(t.game.record.moved[2], -14);
    EXPECT_EQ(t.game.state.stepState, 1);
    EXPECT_EQ(t.game.state.moveNumber, 1);
    EXPECT_EQ(t.game.state.sideToMove, -1);
}

TEST(NueKing, RoyalCaptureOnTheFirstStepEndsTheGameAfterTheSecond) {
    TestGame t;
    twoPlayerGame(t, R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . 15 . . . .
        . . . . -14 . . . .)");
    t.port.answers = {Answer::Ok, Answer::Yes};
    click(t.game, 5, 9);
    click(t.game, 5, 8);
    EXPECT_TRUE(t.port.messages().empty());  // the second step is still to come
    click(t.game, 4, 7);
    EXPECT_EQ(t.port.messages(),
              (std::vector<std::string>{"先手の勝ちです|終了", "続けますか？|再ゲーム|yesno"}));
    EXPECT_EQ(t.game.state.sideToMove, 0);
    EXPECT_EQ(t.game.board(5, 9), -14);  // Yes: the human-first position
    EXPECT_EQ(t.game.board(5, 1), 15);
}

TEST(NueKing, ImmediateRecaptureRefusedWithTwoNueKings) {
    TestGame t;
    twoPlayerGame(t, R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . 14 . . . .
        . . . . -1 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . -14 . . . .)");
    // The last entry took the lower side's other Nue King; the one before
    // was not the upper Nue King's own move.
    t.game.record.counter = 2;
    t.game.record.last = 2;
    t.game.record.captured[2] = -14;
    t.game.record.placed[1] = 9;
    click(t.game, 5, 4);
    click(t.game, 5, 3);
    EXPECT_EQ(t.port.messages(),
              (std::vector<std::string>{"すぐに鵺子を取り返せません|禁手：先鵺子(せんしし)"}));
    EXPECT_EQ(t.port.linesStartingWith("play 2").size(), 1u);
    EXPECT_EQ(t.game.board(5, 3), 14);
    EXPECT_EQ(t.game.state.selection, 1);  // the selection stays
    // When the upper Nue King itself moved just before, the capture is
    // allowed, and taking a Nue King ends the game.
    t.game.record.placed[1] = 14;
    t.port.clear();
    click(t.game, 5, 3);
    EXPECT_EQ(t.port.messages().front(), "先手の勝ちです|終了");
}

TEST(EndOfGame, RoyalCapturesNameTheWinnersAndNoEndsTheProgram) {
    TestGame t;
    twoPlayerGame(t, R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . 15 . . . .
        . . . . -1 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . -15 . . . .)");
    t.port.answers = {Answer::Ok, Answer::No};
    click(t.game, 5, 6);
    click(t.game, 5, 5);
    EXPECT_EQ(t.port.messages(),
              (std::vector<std::string>{"先手の勝ちです|終了", "続けますか？|再ゲーム|yesno"}));
    EXPECT_TRUE(t.port.quitCalled);
    EXPECT_EQ(t.port.log.back(), "quit");
    // Nothing more is handled after quitting.
    const auto size = t.port.log.size();
    click(t.game, 5, 9);
    EXPECT_EQ(t.port.log.size(), size);
}

// When the upper side moved first (a game continued from 後手), it is 先手:
// the lower side's capture of the upper Nue King is a win for 後手, and the
// upper side's capture of the lower king one for 先手.
TEST(EndOfGame, WhenTheUpperSideMovedFirstTheWinnerTextsFollowIt) {
    for (const bool lowerTakes : {true, false}) {
        TestGame t;
        twoPlayerGame(t, R"(
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . . . . . .
            . . . . 14 . . . .
            . . . . -1 . . . .
            . . . . -15 . . . .
            . . . . . . . . .
            . . . . . . . . .)");
        t.game.state.comToken = 1;
        t.game.state.humanToken = -1;
        t.game.state.sideToMove = lowerTakes ? -1 : 1;
        t.port.answers = {Answer::Ok, Answer::Yes};
        if (lowerTakes) {
            click(t.game, 5, 6);
            click(t.game, 5, 5);
        } else {
            click(t.game, 5, 5);
            click(t.game, 5, 7);
        }
        EXPECT_EQ(t.port.messages().front(), lowerTakes ? "後手の勝ちです|終了" : "先手の勝ちです|終了");
    }
}

TEST(EndOfGame, HumanTakesTheComputerKing) {
    TestGame t;
    Form_Load(t.game);
    SENTE_Click(t.game);
    setBoard(t.game, R"(
        . . . . . . . . .
        . . . . 15 . . . .
        . . . . . . . . .
        . . . . -14 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        1 . . . . . . . .)");
    t.port.clear();
    t.port.answers = {Answer::Ok, Answer::Yes};
    click(t.game, 5, 4);
    click(t.game, 5, 2);  // a jump onto the king
    EXPECT_EQ(t.port.messages(),
              (std::vector<std::string>{"あなたの勝ちです|終了", "続けますか？|再ゲーム|yesno"}));
    EXPECT_EQ(t.game.state.sideToMove, 0);
}

TEST(Play, AMoveAgainstTheComputerGetsAnImmediateReply) {
    TestGame t;
    Form_Load(t.game);
    SENTE_Click(t.game);
    t.port.clear();
    click(t.game, 5, 9);
    click(t.game, 5, 7);  // a jump: one entry, then the computer's reply
    EXPECT_EQ(t.game.record.counter, 2);
    EXPECT_EQ(t.game.record.moved[2] > 0, true);
    EXPECT_EQ(t.game.state.sideToMove, 1);
    EXPECT_EQ(t.game.state.moveNumber, 2);
    EXPECT_EQ(t.port.linesStartingWith("wait 0.5").size(), 2u);
}

TEST(Play, TheFiveHundredAndFirstEntryIsNeverWrittenTheGameIsDrawn) {
    TestGame t;
    twoPlayerGame(t, kPawnNearPromotion);
    t.game.record.counter = 500;
    t.game.record.last = 500;
    t.port.answers = {Answer::Ok, Answer::Yes};
    click(t.game, 5, 9);
    click(t.game, 5, 8);
    EXPECT_EQ(t.port.messages(),
              (std::vector<std::string>{"引き分けです|終了", "続けますか？|再ゲーム|yesno"}));
    EXPECT_EQ(t.game.record.counter, 0);  // a new game was set up
}

TEST(Clicks, EverySquareWithBothButtonsInEveryStateNeverBreaksTheBoard) {
    for (int kind = 0; kind < 3; ++kind) {
        TestGame t;
        t.port.logDrawing = false;
        Form_Load(t.game);
        if (kind == 0) SENTE_Click(t.game);
        if (kind == 1) GOTE_Click(t.game);
        if (kind == 2) START_Click(t.game);
        for (int round = 0; round < 3 && !t.game.state.quitRequested; ++round)
            for (int x = 0; x <= 10; ++x)
                for (int y = 0; y <= 10; ++y)
                    for (int button : {kLeftButton, kRightButton}) {
                        click(t.game, x, y, button);
                        int royals[2] = {0, 0};
                        for (int i = 1; i <= 9; ++i)
                            for (int j = 1; j <= 9; ++j) {
                                const int c = t.game.board(i, j);
                                ASSERT_TRUE(c >= -15 && c <= 15);
                                if (c == 14 || c == 15) ++royals[0];
                                if (c == -14 || c == -15) ++royals[1];
                            }
                        ASSERT_LE(royals[0], 1);
                        ASSERT_LE(royals[1], 1);
                        ASSERT_LE(t.game.record.counter, 500);
                    }
    }
}
