// Games started from any position, a position put on the board with no
// game, and the game on the board as a position text and as KIF.
#include <gtest/gtest.h>

#include "control/commands.h"
#include "control/game_exchange.h"
#include "play.h"
#include "record/board_reversal.h"
#include "record/kif_format.h"

using namespace control;
using namespace state;
using testing_support::boardText;
using testing_support::click;
using testing_support::setBoard;
using testing_support::TestGame;

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

Board positionBoard() {
    TestGame t;
    setBoard(t.game, kPosition);
    return t.game.board;
}

}  // namespace

TEST(PositionGame, EachKindAndSideSetsUpItsGameAndTakesAMove) {
    struct Row {
        int side, kind, humanSide;
        bool turned;
        const char* told;    // the box, or "" when the computer moves at once
        int fx, fy, tx, ty;  // then a move of the player to move, on the board as shown
    };
    const Row rows[] = {
        {-1, kTwoPlayers, -1, false, "先手の番です| ", 1, 7, 1, 6},
        {+1, kTwoPlayers, -1, false, "先手の番です| ", 3, 3, 3, 4},
        {-1, kAgainstComputer, -1, false, "MANの番です| ", 1, 7, 1, 6},
        // The human takes the upper pieces: the board turns, the human below.
        {+1, kAgainstComputer, +1, true, "MANの番です| ", 7, 7, 7, 6},
        {+1, kAgainstComputer, -1, false, "", 1, 7, 1, 6},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message()
                     << "side " << r.side << " kind " << r.kind << " human " << r.humanSide);
        TestGame t;
        Form_Load(t.game);
        t.port.clear();
        Board expected = positionBoard();
        if (r.turned) record::盤面半回転(expected);
        局面から対局(t.game, positionBoard(), r.side, r.kind, r.humanSide);
        const GameState& s = t.game.state;
        EXPECT_EQ(s.gameKind, r.kind);
        EXPECT_EQ(s.reversed, r.turned ? 1 : 0);
        EXPECT_EQ(s.kifuMode, 0);
        if (*r.told == '\0') {
            // The computer (above) moved at once; the human is to move.
            EXPECT_EQ(t.game.record.counter, 1);
            EXPECT_EQ(s.sideToMove, s.humanToken);
            EXPECT_EQ(t.port.messages().size(), 0u);
        } else {
            EXPECT_EQ(boardText(t.game.board), boardText(expected));
            EXPECT_EQ(s.sideToMove, 1);
            EXPECT_EQ(手番の側(t.game), r.turned ? -r.side : r.side);
            EXPECT_EQ(t.port.messages(), std::vector<std::string>{r.told});
        }
        const int entries = t.game.record.counter;
        const int piece = t.game.board(r.fx, r.fy);
        click(t.game, r.fx, r.fy);
        click(t.game, r.tx, r.ty);
        EXPECT_EQ(t.game.board(r.tx, r.ty), piece);
        EXPECT_GT(t.game.record.counter, entries);
    }
}

TEST(PositionGame, ThePositionAndTheGameAsTextKeepTheirStart) {
    TestGame t;
    Form_Load(t.game);
    局面を置く(t.game, positionBoard());
    EXPECT_EQ(t.game.state.sideToMove, 0);
    EXPECT_EQ(手番の側(t.game), std::nullopt);
    EXPECT_EQ(record::positionText(対局の局面(t.game, +1)), "4k4/9/2p6/9/9/9/P8/9/4U4 w - 1");

    局面から対局(t.game, positionBoard(), -1, kTwoPlayers);
    click(t.game, 1, 7);
    click(t.game, 1, 6);
    EXPECT_EQ(record::positionText(対局の局面(t.game, -1)), "4k4/9/2p6/9/9/P8/9/9/4U4 w - 2");
    EXPECT_FALSE(記録ファイルに残せる(t.game));

    // Its KIF reads back to the same start and move, and loads as a record.
    const record::KifGame kif = 対局のKIF(t.game);
    const record::KifRead read = record::parseKif(record::kifText(kif));
    ASSERT_TRUE(std::holds_alternative<record::KifGame>(read));
    const record::KifGame& back = std::get<record::KifGame>(read);
    EXPECT_EQ(boardText(back.start), boardText(positionBoard()));
    EXPECT_EQ(back.record.last, 1);
    EXPECT_EQ(back.lowerPlayer, "MAN");
    t.port.clear();
    KIFを読込(t.game, back);
    EXPECT_EQ(t.game.state.kifuMode, 1);
    EXPECT_EQ(t.game.record.counter, 0);
    EXPECT_EQ(t.game.record.last, 1);
    EXPECT_EQ(boardText(t.game.board), boardText(positionBoard()));
    EXPECT_EQ(t.port.messages(),
              (std::vector<std::string>{" 読み込みました|棋譜", "棋譜を '進 'で進めて下さい|棋譜"}));
}
