// Positions and moves as text: the start positions both ways, every refusal
// of a position text and of a move token, and every legal move's token read
// back as that very move.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "record/exchange.h"
#include "rules/initial_position.h"
#include "state/game_data.h"

namespace {

using record::PositionError;
using record::PositionField;
using record::PositionRefusal;
using record::TokenRefusal;

state::Board startBoard(void (*setUp)(state::GameData&)) {
    state::GameData g;
    setUp(g);
    return g.board;
}

record::TextPosition positionOf(std::string_view text) {
    const record::PositionRead read = record::readPosition(text);
    EXPECT_TRUE(std::holds_alternative<record::TextPosition>(read)) << text;
    return std::holds_alternative<record::TextPosition>(read) ? std::get<record::TextPosition>(read)
                                                              : record::TextPosition{};
}

rules::Position rulesPosition(std::string_view text) {
    const record::TextPosition p = positionOf(text);
    state::MoveRecord r;
    r.placed[0] = 1;
    return rules::Position(p.board, r, p.side);
}

TEST(PositionText, TheStartPositionsBothWays) {
    const struct {
        void (*setUp)(state::GameData&);
        int side;
        std::string_view text;
    } cases[] = {{rules::初期設定_先手自, -1, record::kNueKingBelow},
                 {rules::初期設定_先手敵, 1, record::kNueKingAbove}};
    for (const auto& c : cases) {
        const record::TextPosition p{startBoard(c.setUp), c.side, 1};
        EXPECT_EQ(record::positionText(p), c.text);
        EXPECT_EQ(positionOf(c.text), p);
    }
    // Blanks of any length between and around the fields.
    EXPECT_EQ(positionOf(" \t4u4/9/9/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL \t w   -  001 "),
              positionOf(record::kNueKingAbove));
    const record::TextPosition promoted = positionOf("+p+l+n+s+r+b3/9/9/9/9/9/9/9/+P+L+N+S+R+B3 w - 500");
    EXPECT_EQ(promoted.board(1, 1), state::と);
    EXPECT_EQ(promoted.board(6, 9), -state::馬);
    EXPECT_EQ(record::positionText(promoted), "+p+l+n+s+r+b3/9/9/9/9/9/9/9/+P+L+N+S+R+B3 w - 500");
}

TEST(PositionText, EveryRefusalNamesItsField) {
    constexpr auto B = PositionField::Board;
    const struct {
        std::string_view text;
        PositionError expected;
    } cases[] = {
        {"", {B, PositionRefusal::MissingField}},
        {"9/9/9/9/9/9/9/9/9", {PositionField::Side, PositionRefusal::MissingField}},
        {"9/9/9/9/9/9/9/9/9 b", {PositionField::Hands, PositionRefusal::MissingField}},
        {"9/9/9/9/9/9/9/9/9 b -", {PositionField::MoveNumber, PositionRefusal::MissingField}},
        {"9/9/9/9/9/9/9/9/9 b - 1 1", {PositionField::MoveNumber, PositionRefusal::ExtraField}},
        {"9/9/9/9/9/9/9/9 b - 1", {B, PositionRefusal::RankCount, 0, 8}},
        {"9/9/9/9/9/9/9/9/9/9 b - 1", {B, PositionRefusal::RankCount, 0, 10}},
        {"9/9/8/9/9/9/9/9/9 b - 1", {B, PositionRefusal::RankLength, 3, 8}},
        {"9/9/9/9/9/9/9/9/4U5 b - 1", {B, PositionRefusal::RankLength, 9, 10}},
        {"9/9/9/9/9/9/9/9/4X4 b - 1", {B, PositionRefusal::UnknownLetter, 9, 0, 'X'}},
        {"9/9/9/9/0/9/9/9/9 b - 1", {B, PositionRefusal::UnknownLetter, 5, 0, '0'}},
        {"+G8/9/9/9/9/9/9/9/9 b - 1", {B, PositionRefusal::CannotPromote, 1, 0, 'G'}},
        {"9/+k8/9/9/9/9/9/9/9 b - 1", {B, PositionRefusal::CannotPromote, 2, 0, 'k'}},
        {"9/9/+U8/9/9/9/9/9/9 b - 1", {B, PositionRefusal::CannotPromote, 3, 0, 'U'}},
        {"9/9/9/8+/9/9/9/9/9 b - 1", {B, PositionRefusal::CannotPromote, 4, 0, '+'}},
        {"9/9/9/9/9/9/9/9/9 B - 1", {PositionField::Side, PositionRefusal::UnknownSide}},
        {"9/9/9/9/9/9/9/9/9 b P 1", {PositionField::Hands, PositionRefusal::PiecesInHand}},
        {"9/9/9/9/9/9/9/9/9 b - x", {PositionField::MoveNumber, PositionRefusal::NotANumber}},
        {"9/9/9/9/9/9/9/9/9 b - -1", {PositionField::MoveNumber, PositionRefusal::NotANumber}},
        {"9/9/9/9/9/9/9/9/9 b - 0", {PositionField::MoveNumber, PositionRefusal::NumberOutOfRange}},
        {"9/9/9/9/9/9/9/9/9 b - 501", {PositionField::MoveNumber, PositionRefusal::NumberOutOfRange}},
        {"9/9/9/9/9/9/9/9/9 b - 99999999999999999999",
         {PositionField::MoveNumber, PositionRefusal::NumberOutOfRange}},
    };
    for (const auto& c : cases) {
        const record::PositionRead read = record::readPosition(c.text);
        ASSERT_TRUE(std::holds_alternative<PositionError>(read)) << c.text;
        EXPECT_EQ(std::get<PositionError>(read), c.expected) << c.text;
    }
}

// The lower side: a Nue King on 5i, a bishop on 8h, a gold on 4h, a pawn on
// 1b; the upper side: a king on 5a.
constexpr std::string_view kTokenBoard = "4k4/8P/9/9/9/9/9/1B3G3/4U4 b - 1";

TEST(MoveToken, ReadAgainstThePositionOrRefusedWithItsReason) {
    const rules::Position p = rulesPosition(kTokenBoard);
    const struct {
        std::string_view token;
        bool twoStep = false;
        std::optional<TokenRefusal> refusal;  // when the token is not legal
        int square = 0;
    } cases[] = {
        {"5i5g", false, {}, 0},   // a jump: one move
        {"5i5h5g", true, {}, 0},  // two steps through 5h, to the same square
        {"5i5h5i", true, {}, 0},  // two steps, back to the start
        {"5i5h", false, {}, 0},   // a single step
        {"8h2b+", false, {}, 0},  // promotion where it is optional
        {"8h2b", false, {}, 0},   // and declined
        {"1b1a+", false, {}, 0},  // compulsory promotion
        {"1b1a", false, TokenRefusal::MustPromote, 0},
        {"4h4g+", false, TokenRefusal::CannotPromote, 0},
        {"4h4g4f", false, TokenRefusal::NotNueKing, 0},
        {"5i5e", false, TokenRefusal::CannotReach, 0},
        {"5i5g5f", false, TokenRefusal::CannotReach, 0},  // a jump is no first step
        {"5a5b", false, TokenRefusal::NoPiece, 0},        // the other side's king
        {"1a1b", false, TokenRefusal::NoPiece, 0},
        {"5i", false, TokenRefusal::Length, 0},
        {"5i5h5g4f", false, TokenRefusal::Length, 0},
        {"5I5H", false, TokenRefusal::UpperCase, 0},
        {"0i5h", false, TokenRefusal::Square, 1},
        {"5i5j", false, TokenRefusal::Square, 2},
        {"5i5h5z", false, TokenRefusal::Square, 3},
        {"8h2bx", false, TokenRefusal::PromotionMark, 0},
    };
    for (const auto& c : cases) {
        const auto read = record::resolveToken(p, c.token);
        if (c.refusal) {
            ASSERT_TRUE(std::holds_alternative<record::TokenError>(read)) << c.token;
            EXPECT_EQ(std::get<record::TokenError>(read), (record::TokenError{*c.refusal, c.square}))
                << c.token;
            continue;
        }
        ASSERT_TRUE(std::holds_alternative<state::Move>(read)) << c.token;
        const state::Move& m = std::get<state::Move>(read);
        EXPECT_EQ(record::moveToken(m), c.token);
        EXPECT_EQ(m.twoStep, c.twoStep) << c.token;
    }
    // With a royal piece gone nothing is legal.
    const auto gone = record::resolveToken(rulesPosition("9/8P/9/9/9/9/9/1B3G3/4U4 b - 1"), "5i5h");
    EXPECT_EQ(std::get<record::TokenError>(gone).refusal, TokenRefusal::NoLegalMove);
    EXPECT_TRUE(record::legalTokens(rulesPosition("9/8P/9/9/9/9/9/1B3G3/4U4 b - 1")).empty());
}

TEST(MoveToken, EveryLegalMoveReadsBackAsItself) {
    for (const std::string_view text : {record::kNueKingBelow, record::kNueKingAbove, kTokenBoard,
                                        std::string_view("4k4/9/9/9/4u4/9/9/9/4K4 w - 1")}) {
        const rules::Position p = rulesPosition(text);
        const std::vector<state::Move> moves = record::legalMoves(p);
        std::set<std::string> tokens;
        for (const state::Move& m : moves) {
            const std::string token = record::moveToken(m);
            tokens.insert(token);
            const auto read = record::resolveToken(p, token);
            ASSERT_TRUE(std::holds_alternative<state::Move>(read)) << text << " " << token;
            EXPECT_EQ(std::get<state::Move>(read), m) << text << " " << token;
        }
        EXPECT_EQ(tokens.size(), moves.size()) << text;  // no two moves share a token
        EXPECT_EQ(record::legalTokens(p), std::vector<std::string>(tokens.begin(), tokens.end()));
    }
}

}  // namespace
