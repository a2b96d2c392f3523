#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "rules/position.h"
#include "state/move.h"
#include "state/pieces.h"

namespace record {

// Positions and moves as text, the one way everything that exchanges them
// writes and reads them (the command line, the clipboard, puzzle and lesson
// files, the network). The shape of the shogi world's SFEN and USI texts,
// with the Nue King's letter U and its two-step move.
//
// A square is its file digit (10 - x) and its rank letter (the y-th of a..i):
// (5, 9) is "5i". A piece is its letter, P L N S G R B U K, a promoted kind
// + and its letter; upper case for the lower side (negative codes), lower
// case for the upper side.

// ---- Positions ----

// The two start positions: the Nue King below (the lower side moves first),
// the Nue King above (the upper side moves first).
inline constexpr std::string_view kNueKingBelow = "lnsgkgsnl/1r5b1/ppppppppp/9/9/9/9/9/4U4 b - 1";
inline constexpr std::string_view kNueKingAbove = "4u4/9/9/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL w - 1";

inline constexpr int kMaxMoveNumber = 500;

// A position as the text holds it: the squares, the side to move and the
// number of the move to be played next.
struct TextPosition {
    state::Board board;
    int side = -1;       // to move: -1 the lower side ('b'), +1 the upper side ('w')
    int moveNumber = 1;  // 1..kMaxMoveNumber
    bool operator==(const TextPosition&) const = default;
};

// The four fields of a position text, in order.
enum class PositionField { Board, Side, Hands, MoveNumber };

// Why a position text was refused.
enum class PositionRefusal {
    MissingField,     // the text ends before `field`
    ExtraField,       // a fifth field follows the move number
    RankCount,        // not nine ranks (`count` of them)
    RankLength,       // rank `rank` does not cover nine squares (`count` of them)
    UnknownLetter,    // `letter` in rank `rank` is no piece letter and no run of empty squares
    CannotPromote,    // a + in rank `rank` before `letter`, a piece that cannot promote (or none)
    UnknownSide,      // the side is not b or w
    PiecesInHand,     // the hands field is not -
    NotANumber,       // the move number is not a whole number
    NumberOutOfRange  // the move number is below 1 or above kMaxMoveNumber
};

struct PositionError {
    PositionField field = PositionField::Board;
    PositionRefusal refusal = PositionRefusal::MissingField;
    int rank = 0;     // 1 (a) .. 9 (i) where a rank is at fault
    int count = 0;    // the ranks or squares there were
    char letter = 0;  // the character at fault
    bool operator==(const PositionError&) const = default;
};

using PositionRead = std::variant<TextPosition, PositionError>;

// 例: positionText of the human-first start at move 1 == kNueKingBelow
std::string positionText(const TextPosition& p);

// Any number of spaces or tabs between the fields (and around them).
// 例: readPosition("9/9/9/9/9/9/9/9/9 b - 0") is {MoveNumber, NumberOutOfRange}
PositionRead readPosition(std::string_view text);

// ---- Moves ----

// The token of a move: its squares (the middle one of a Nue King's two
// steps too), then + for a promotion.
// 例: "7g7f", "8h2b+", "5i5h4h", "5i5g"
std::string moveToken(const state::Move& m);

// Why a token was refused: its shape, or the position it was read against.
enum class TokenRefusal {
    Length,         // not 4, 5 or 6 characters
    UpperCase,      // an upper-case letter: tokens are lower case
    Square,         // square number `square` (1..3) is no file digit and rank letter
    PromotionMark,  // the fifth of five characters is not +
    NoLegalMove,    // the side to move has no legal move (a royal piece may be gone)
    NoPiece,        // no piece of the side to move on the first square
    NotNueKing,     // three squares, for a piece that is not a Nue King
    CannotReach,    // the piece cannot go there (by those steps)
    MustPromote,    // the piece must promote there: the move needs its +
    CannotPromote   // a + where the piece cannot promote
};

struct TokenError {
    TokenRefusal refusal = TokenRefusal::Length;
    int square = 0;  // for Square: which square of the token, 1..3
    bool operator==(const TokenError&) const = default;
};

// A token's squares, before any position is asked.
struct TokenShape {
    int fromX = 0, fromY = 0, toX = 0, toY = 0;
    bool twoStep = false;
    int toX2 = 0, toY2 = 0;
    bool promotes = false;
    bool operator==(const TokenShape&) const = default;
};

// 例: readTokenShape("5i5h4h") is {5, 9, 5, 8, true, 6, 8, false}
std::variant<TokenShape, TokenError> readTokenShape(std::string_view token);

// The legal moves of the side to move: the rules' legal moves, none when
// either side has lost its royal piece (its king or its Nue King).
std::vector<state::Move> legalMoves(const rules::Position& p);

// The tokens of the legal moves, in byte order.
// 例: the Nue King below's start gives 48 tokens, "5i3g" first, "5i7i" last
std::vector<std::string> legalTokens(const rules::Position& p);

// The legal move of the position that the token names, with the pieces it
// moves, places and takes; or why there is none. A jump ("5i5g") and two
// steps ("5i5h5g") are different moves even where they leave one board.
std::variant<state::Move, TokenError> resolveToken(const rules::Position& p, std::string_view token);

// resolveToken for a token already read, or squares read from another text
// (a KIF move line).
std::variant<state::Move, TokenError> resolveShape(const rules::Position& p, const TokenShape& shape);

// ---- Positions of the game ----

// Whether each side still has its royal piece (a king or a Nue King).
bool bothRoyalsStand(const state::Board& board);

}  // namespace record
