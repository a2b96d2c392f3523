// The computer's turn as game control plays it: the second Nue King step,
// the end tests with their messages, and the order of everything the turn
// asks of the window.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "control/computer_turn.h"
#include "engine/computer_move.h"
#include "engine/influence.h"
#include "engine_support.h"
#include "positions.h"
#include "rules/initial_position.h"

namespace {

using engine_support::Evaluation;
using engine_support::scoreOf;
using engine_support::searchAll;
using engine_support::sum;
using engine_support::surveyAsGameControl;
using testing_support::setBoard;
using testing_support::TestGame;

// ---- The second Nue King step ----

// The Nue King on (5, 4) takes the silver (5, 5) by one step; (5, 4) stays
// safe, so the search asks for a second step. Around (5, 5) the lances hold
// columns 4 and 6 and the pawn holds (5, 6): only (5, 4), where it came
// from, is free.
constexpr const char* kSecondStep = R"(
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . 14 . . . .
    . . . . -7 . . . .
    . . . . . . . . .
    . . . . -1 . . . .
    . . . . . . . . .
    -15 . . -3 . -3 . . .)";

TEST(SecondStep, AttackedNeighboursScoreMinus500AndTheFreeOneIsTaken) {
    TestGame t;
    setBoard(t.game, kSecondStep);
    const auto r = searchAll(t.game);
    ASSERT_EQ(r.chosen.score, 1000);
    ASSERT_TRUE(engine::二手目要求(r.chosen));
    control::指し手実行(t.game, r.chosen.move);
    TestGame last;  // the last neighbour tried: the Nue King on (6, 6)
    last.game.board = t.game.board;
    last.game.board(5, 5) = 0;
    last.game.board(6, 6) = 14;
    engine::勢力調査_COM(last.game);
    const std::optional<state::Move> step = control::com_ban2手目(t.game, 5, 5, 14);
    // Both sides' maps are rebuilt for every neighbour tried, the computer's
    // as well: they are left describing the last one.
    EXPECT_EQ(t.game.maps.comCount, last.game.maps.comCount);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->toX * 10 + step->toY, 54);
    EXPECT_EQ(t.game.board(5, 4), 14);
    EXPECT_EQ(t.game.board(5, 5), 0);
    const state::MoveRecord& rec = t.game.record;
    ASSERT_EQ(rec.counter, 2);
    EXPECT_EQ((std::vector<int>{rec.fromX[1], rec.fromY[1], rec.toX[1], rec.toY[1], rec.moved[1],
                                rec.placed[1], rec.captured[1]}),
              (std::vector<int>{5, 4, 5, 5, 14, 14, -7}));
    EXPECT_EQ((std::vector<int>{rec.fromX[2], rec.fromY[2], rec.toX[2], rec.toY[2], rec.moved[2],
                                rec.placed[2], rec.captured[2]}),
              (std::vector<int>{5, 5, 5, 4, 14, 14, 0}));
}

TEST(SecondStep, WhenEveryNeighbourIsAttackedTheFirstInLoopOrderIsTaken) {
    TestGame t;
    setBoard(t.game, kSecondStep);
    const auto r = searchAll(t.game);
    control::指し手実行(t.game, r.chosen.move);
    t.game.board(4, 3) = -7;  // now (5, 4) is attacked as well: all eight score -500
    const std::optional<state::Move> step = control::com_ban2手目(t.game, 5, 5, 14);
    ASSERT_TRUE(step);
    EXPECT_EQ(step->toX * 10 + step->toY, 44);
}

TEST(SecondStep, NoNeighbourToGoToPlaysNothing) {
    TestGame t;
    setBoard(t.game, R"(
        14 1 . . . . . . .
        1 1 . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . -15 . . . .)");
    surveyAsGameControl(t.game);
    const state::Board board = t.game.board;
    const std::optional<state::Move> step = control::com_ban2手目(t.game, 1, 1, 14);
    EXPECT_FALSE(step);
    EXPECT_EQ(t.game.board, board);
    EXPECT_EQ(t.game.record.counter, 0);
}

// ---- The whole turn and the window ----

// Expects the lines in this order in the log, other lines between them.
void expectInOrder(const std::vector<std::string>& log, std::initializer_list<std::string> lines) {
    std::size_t at = 0;
    for (const std::string& line : lines) {
        while (at < log.size() && log[at] != line) ++at;
        ASSERT_LT(at, log.size()) << "missing, or out of order: " << line;
        ++at;
    }
}

struct Turn {
    TestGame t;
    explicit Turn(const char* board) {
        setBoard(t.game, board);
        t.game.state.sounds.piece = 3;
        t.game.state.humanToken = -1;
        t.game.state.comToken = 1;
        t.game.state.sideToMove = 1;
        t.game.state.stepState = 1;
        surveyAsGameControl(t.game);
    }
    void play() { control::com_ban(t.game); }
    const std::vector<std::string>& log() const { return t.port.log; }
};

const std::string kThinkingShadow = "text 12.7 5.1 size 12 colour 0  思考中";
const std::string kThinking = "text 12.6 5 size 12 colour 15  思考中";

TEST(ComputerTurn, AMateIsAnnouncedAfterTheMoveNumberAndTheGameGoesOn) {
    // The silver steps aside from (3, 9) to (2, 8): the rook's file check and
    // the silver's own; taking the silver leaves the rook, stepping onto the
    // rook's row leaves the silver. Promoting mates too but only ties.
    Turn turn(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        1 . 9 . . . . . .
        . . . . . . . . .
        -15 . 7 10 . . . . .)");
    turn.play();
    EXPECT_EQ(turn.t.port.messages(), (std::vector<std::string>{"よし！!|詰め ?"}));
    expectInOrder(turn.log(),
                  {"rect 12.3 5 1250 400 2", kThinkingShadow, kThinking, "refresh", "wait 0.5", "wait 0.5",
                   "play 3", "outline 12 2 8", "text 12 3.4 size 12 colour 0 1",
                   "text 11.9 3.3 size 12 colour 15 1", "msg よし！!|詰め ?", "rect 12.3 5 1250 400 2",
                   "text 12.7 5.1 size 12 colour 0 ８", "text 12.6 5 size 12 colour 15 ８",
                   "text 13 5 size 12 colour 15 八", "text 13.6 5 size 12 colour 15 銀"});
    EXPECT_EQ(turn.t.game.board(2, 8), 7);
    EXPECT_EQ(turn.t.game.record.placed[1], 7);
    EXPECT_EQ(turn.t.game.state.moveNumber, 1);
    EXPECT_EQ(turn.t.game.state.sideToMove, -1);
}

TEST(ComputerTurn, ACheckIsAnnouncedAfterTheMoveNumber) {
    // The pawn's only move gives check; the king may take it.
    Turn turn(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . 1 . . . .
        . . . . . . . . .
        . . . . -15 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)");
    turn.play();
    EXPECT_EQ(turn.t.port.messages(), (std::vector<std::string>{"   ** 王手 **|"}));
    expectInOrder(turn.log(), {kThinking, "refresh", "wait 0.5", "wait 0.5", "play 3", "outline 12 5 4",
                               "text 11.9 3.3 size 12 colour 15 1", "msg    ** 王手 **|",
                               "text 12.6 5 size 12 colour 15 ５", "text 13 5 size 12 colour 15 四",
                               "text 13.6 5 size 12 colour 15 歩"});
    EXPECT_EQ(turn.t.game.state.sideToMove, -1);
}

TEST(ComputerTurn, TakingTheRoyalPieceEndsTheGame) {
    Turn turn(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . 9 . . . .
        . . . . -14 . . . .)");
    turn.t.port.answers = {state::Answer::Ok, state::Answer::No};
    turn.play();
    const std::vector<std::string>& log = turn.log();
    expectInOrder(log, {kThinking, "wait 0.5", "wait 0.5", "play 3", "outline 12 5 9",
                        "text 11.9 3.3 size 12 colour 15 1"});
    const std::vector<std::string> tail(log.end() - 8, log.end());
    EXPECT_EQ(tail,
              (std::vector<std::string>{"msg ｺﾝﾋﾟｭｰﾀの勝ちです|終了", "msg 続けますか？|再ゲーム|yesno",
                                        "free 0", "free 0", "free 3", "free 0", "sound shutdown", "quit"}));
    EXPECT_EQ(turn.t.port.messages().size(), 2u);
    EXPECT_TRUE(turn.t.port.quitCalled);
}

TEST(ComputerTurn, AnotherGameAfterTheComputersWinStartsFromTheHumanFirstPosition) {
    Turn turn(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . 9 . . . .
        . . . . -15 . . . .)");
    turn.play();  // the recorder answers Yes
    EXPECT_EQ(turn.t.port.messages(),
              (std::vector<std::string>{"ｺﾝﾋﾟｭｰﾀの勝ちです|終了", "続けますか？|再ゲーム|yesno"}));
    TestGame fresh;
    rules::初期設定_先手自(fresh.game);
    EXPECT_EQ(turn.t.game.board, fresh.game.board);
    EXPECT_EQ(turn.t.game.state.sideToMove, 0);
    EXPECT_FALSE(turn.t.port.quitCalled);
}

TEST(ComputerTurn, TheSecondStepIsAnnouncedAndPlayedBeforeTheMoveNumber) {
    Turn turn(kSecondStep);
    turn.play();
    EXPECT_EQ(turn.t.port.messages(), (std::vector<std::string>{"二手目、移動します|二手移動"}));
    expectInOrder(turn.log(),
                  {"wait 0.5", "wait 0.5", "play 3", "outline 12 5 5", "msg 二手目、移動します|二手移動",
                   "play 3", "outline 12 5 4", "text 11.9 3.3 size 12 colour 15 1"});
    EXPECT_EQ(turn.t.game.record.counter, 2);
    EXPECT_EQ(turn.t.game.board(5, 4), 14);
    EXPECT_EQ(turn.t.game.state.moveNumber, 1);
}

TEST(ComputerTurn, AfterASecondStepTheMoveTextNamesTheFinalSquare) {
    Turn turn(kSecondStep);
    turn.play();
    // The first step went to ５五, the second back to ５四.
    const auto moveText = turn.t.port.linesStartingWith("text 12.6 5 ");
    ASSERT_FALSE(moveText.empty());
    EXPECT_NE(moveText.back().find("５"), std::string::npos) << moveText.back();
    const auto row = turn.t.port.linesStartingWith("text 13 5 ");
    ASSERT_FALSE(row.empty());
    EXPECT_NE(row.back().find("四"), std::string::npos) << row.back();
}

TEST(ComputerTurn, NoLegalMoveLosesAndAFullRecordDraws) {
    Turn stuck(R"(
        . . . . -15 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . 1 . . . .)");
    stuck.play();
    EXPECT_EQ(stuck.t.port.messages(),
              (std::vector<std::string>{"あなたの勝ちです|終了", "続けますか？|再ゲーム|yesno"}));

    Turn full(R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . 1 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . -15 . . . .)");
    full.t.game.record.counter = full.t.game.record.last = state::MoveRecord::kCapacity;
    full.play();
    EXPECT_EQ(full.t.port.messages(),
              (std::vector<std::string>{"引き分けです|終了", "続けますか？|再ゲーム|yesno"}));
    EXPECT_EQ(full.t.game.record.counter, 0);  // a new game was set up; nothing past entry 500
}

TEST(ComputerTurn, GameControlBringsTheMapsUpToDateFirst) {
    // The maps are left from another position, with the human king on
    // (9, 9). Game control's hand-over surveys the board first, so the
    // search's baseline escape count is that of the king on (5, 5): five free
    // squares around it, the gold holding the three above.
    const char* const board = R"(
        . . . . . . . . .
        . . . . . . . . .
        . . . . 9 . . . .
        . . . . . . . . .
        . . . . -15 . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .
        . . . . . . . . .)";
    TestGame t;
    t.game.board(9, 9) = -15;
    surveyAsGameControl(t.game);
    setBoard(t.game, board);
    control::コンピュータの手番(t.game);
    EXPECT_EQ(t.game.search.base.escapeCount, 5);
}

}  // namespace
