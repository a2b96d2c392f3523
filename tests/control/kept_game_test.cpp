// The game kept between runs and set up again, and play going on from the
// position on the board.
#include <gtest/gtest.h>

#include "control/commands.h"
#include "control/kept_game.h"
#include "control/play_on.h"
#include "play.h"

using namespace control;
using namespace state;
using testing_support::boardText;
using testing_support::click;
using testing_support::TestGame;
using testing_support::twoPlayerGame;
using Strings = std::vector<std::string>;

namespace {

// An upper king and pawn, a lower pawn and the lower Nue King.
constexpr std::string_view kPosition = R"(
    . . . . 15 . . . .
    . . . . . . . . .
    . . 1 . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    . . . . . . . . .
    -1 . . . . . . . .
    . . . . . . . . .
    . . . . -14 . . . .)";

// The Nue King's two steps, the upper pawn, the lower pawn: four entries.
void playThreeMoves(Game& g) {
    click(g, 5, 9);
    click(g, 5, 8);
    click(g, 5, 7);
    click(g, 3, 3);
    click(g, 3, 4);
    click(g, 1, 7);
    click(g, 1, 6);
}

}  // namespace

TEST(KeptGame, ComesBackAsItWasWithoutAHalfMadeMove) {
    TestGame t;
    twoPlayerGame(t, kPosition);
    playThreeMoves(t.game);
    const std::string afterThree = boardText(t.game.board);
    click(t.game, 3, 4);  // the upper pawn, then an upper move is not finished:
    click(t.game, 3, 5);
    click(t.game, 5, 7);  // the Nue King's first step waits for its second
    ASSERT_EQ(t.game.record.counter, 5);
    click(t.game, 5, 6);
    ASSERT_EQ(t.game.state.stepState, 2);

    const record::KeptGame kept = 保存用の対局(t.game);
    TestGame u;
    Form_Load(u.game);
    対局を再開(u.game, kept);
    EXPECT_EQ(u.game.record.counter, 5);
    EXPECT_EQ(u.game.record.last, 5);
    EXPECT_TRUE(u.game.record.secondStep[2]);
    EXPECT_EQ(u.game.state.sideToMove, t.game.state.sideToMove);
    EXPECT_EQ(u.game.state.gameKind, kTwoPlayers);
    EXPECT_EQ(u.game.state.moveNumber, 4);
    EXPECT_EQ(u.game.board(5, 7), -14);
    EXPECT_EQ(u.game.board(3, 5), 1);
    // The game goes on from there, and back to the position after three moves.
    click(u.game, 5, 7);
    click(u.game, 5, 5);
    EXPECT_EQ(u.game.record.counter, 6);
    REPLAY_Click(u.game);
    REPLAY_Click(u.game);
    EXPECT_EQ(boardText(u.game.board), afterThree);
}

// What the window keeps as each move is completed, while the computer's
// turn is still under way.
struct KeepingPort : testing_support::PortRecorder {
    Game* game = nullptr;
    std::vector<record::KeptGame> kept;
    void moveCompleted() override { kept.push_back(保存用の対局(*game)); }
};

TEST(KeptGame, AgainstTheComputerKeptAsEachMoveIsCompleted) {
    KeepingPort port;
    Game g(port);
    port.game = &g;
    Form_Load(g);
    LEVEL2_Click(g);
    SENTE_Click(g);
    click(g, 5, 9);
    click(g, 5, 7);
    ASSERT_EQ(port.kept.size(), 2u);  // the human's move, the computer's
    for (std::size_t i = 0; i < 2; ++i) {
        TestGame u;
        Form_Load(u.game);
        対局を再開(u.game, port.kept[i]);
        EXPECT_EQ(u.game.record.counter, static_cast<int>(i) + 1);
        EXPECT_EQ(u.game.state.sideToMove, i == 0 ? u.game.state.comToken : u.game.state.humanToken);
        EXPECT_EQ(u.game.state.level, 2);
        EXPECT_EQ(u.game.state.gameKind, kAgainstComputer);
        EXPECT_TRUE(u.port.messages().empty());
        if (i == 1) {
            EXPECT_EQ(boardText(u.game.board), boardText(g.board));
        }
    }
}

TEST(PlayOn, GoesOnFromTheMarkerInBothKindsAndIsRefusedWithoutARecord) {
    struct Case {
        void (*command)(Game&);
        int backs;    // 戻 before it
        int kind;     // the game it starts
        int counter;  // the record then, the computer's reply included
        int turn;
        const char* box;  // the one box, or null for the computer's reply
    };
    const Case cases[] = {
        {ここから対局_人間, 2, kTwoPlayers, 2, -1, "後手の番です| "},
        {ここから対局_COM, 2, kAgainstComputer, 3, 1, nullptr},  // upper to move: the computer moves at once
        {ここから対局_COM, 1, kAgainstComputer, 3, 1, "MANの番です| "},
    };
    for (const Case& c : cases) {
        TestGame t;
        twoPlayerGame(t, kPosition);
        playThreeMoves(t.game);
        for (int i = 0; i < c.backs; ++i) REPLAY_Click(t.game);
        t.port.clear();
        c.command(t.game);
        EXPECT_EQ(t.game.state.gameKind, c.kind);
        EXPECT_EQ(t.game.record.counter, c.counter);
        EXPECT_EQ(t.game.record.last, c.counter);  // the moves after the marker are gone
        EXPECT_EQ(t.game.state.sideToMove, c.turn);
        if (c.box) {
            EXPECT_EQ(t.port.messages(), Strings{c.box});
        }
    }
    TestGame none;
    Form_Load(none.game);
    ここから対局_人間(none.game);
    EXPECT_EQ(none.port.messages(), Strings{"できません|対局"});
    EXPECT_EQ(none.game.state.sideToMove, 0);
}
