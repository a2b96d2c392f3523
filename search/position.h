#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "state/move.h"

namespace search {

// The strong computer's own board: a 13 x 13 mailbox, the 9 x 9 squares in
// the middle and two rings of kOff around them, so a knight's jump or a Nue
// King's two-square reach never needs a bounds test.
inline constexpr int kWidth = 13;
inline constexpr int kCells = kWidth * kWidth;
inline constexpr std::int8_t kOff = 64;

constexpr int square(int x, int y) { return (y + 1) * kWidth + (x + 1); }
constexpr int fileOf(int sq) { return sq % kWidth - 1; }
constexpr int rankOf(int sq) { return sq / kWidth - 1; }
constexpr int sideIndex(int sign) { return sign > 0 ? 0 : 1; }

// Piece codes as the game's board holds them: the magnitude is the kind,
// positive for the upper side, negative for the lower.
enum Kind : int {
    kPawn = 1,
    kTokin,
    kLance,
    kPromotedLance,
    kKnight,
    kPromotedKnight,
    kSilver,
    kPromotedSilver,
    kGold,
    kRook,
    kDragon,
    kBishop,
    kHorse,
    kNueKing,
    kKing,
};
constexpr int kindOf(int code) { return code < 0 ? -code : code; }
constexpr bool isRoyal(int code) { return kindOf(code) == kNueKing || kindOf(code) == kKing; }

// The move record holds this many entries; a move that would need one more is not made.
inline constexpr int kRecordCapacity = 500;

// A move: from, to, for a Nue King's two-step move the second step's square
// (0 for a one-entry move), and whether the piece promotes on arrival.
using Move = std::uint32_t;
constexpr Move makeMove(int from, int to, int second = 0, bool promote = false) {
    return static_cast<Move>(from) | static_cast<Move>(to) << 8 | static_cast<Move>(second) << 16 |
           (promote ? 1u << 24 : 0u);
}
constexpr int fromOf(Move m) { return static_cast<int>(m & 0xff); }
constexpr int toOf(Move m) { return static_cast<int>(m >> 8 & 0xff); }
constexpr int secondOf(Move m) { return static_cast<int>(m >> 16 & 0xff); }
constexpr bool promotes(Move m) { return (m >> 24 & 1) != 0; }

// What make() changed, so unmake() restores the position exactly.
struct Undo {
    int captured = 0;        // taken on the first (or only) step
    int secondCaptured = 0;  // taken on the second step
    int entries = 0, lastCaptured = 0, lastPlaced = 0, previousPlaced = 0;
    std::array<int, 2> nue{}, king{};
    std::uint64_t key = 0;
};

// A plain copy of the game's board and of what the rules read of its record:
// the number of entries (the record holds 500), and, for the forbidden
// immediate recapture of a Nue King, the last entry's captured and placed
// codes and the placed code of the entry before it.
struct Position {
    std::array<std::int8_t, kCells> cell{};
    int side = 1;  // +1: the upper side (positive codes) moves; -1: the lower side
    int entries = 0;
    int lastCaptured = 0;
    int lastPlaced = 0;
    int previousPlaced = 0;
    std::array<int, 2> nue{};   // the Nue King's square by side (upper, lower); 0 when absent
    std::array<int, 2> king{};  // the king's square by side; 0 when absent
    std::uint64_t key = 0;

    int at(int x, int y) const { return cell[square(x, y)]; }

    // The Nue King that may not be taken on this move (its code), or 0: the
    // last entry took the other Nue King and the entry before it was not the
    // threatened Nue King's own.
    int bannedTarget() const;

    bool hasRoyal(int sign) const { return nue[sideIndex(sign)] != 0 || king[sideIndex(sign)] != 0; }

    Undo make(Move m);
    void unmake(Move m, const Undo& u);
    void makeNull();  // only the side to move changes
    void unmakeNull() { makeNull(); }

    std::uint64_t computeKey() const;
};

// The edge between the search's packed moves and the game's move value. The
// position is the one the move is played from.
// 例: toGameMove(p, makeMove(square(7, 7), square(7, 6))) names the piece on
// (7, 7) as moved and placed, and what stands on (7, 6) as captured
state::Move toGameMove(const Position& p, Move m);
Move packed(const state::Move& m);

// An empty board of kOff rings; codes are then put with put().
Position emptyPosition();
void put(Position& p, int x, int y, int code);

// The position of a game: its board (indexed (X, Y), 1..9), the record up to
// its counter (entries 0..counter with their captured and placed codes), and
// the side to move (+1 upper, -1 lower). A template over the game's own
// board and record, so this folder needs none of the game's headers.
// 例: fromGame(g.board, g.record, -1).side == -1
template <typename Board, typename Record>
Position fromGame(const Board& board, const Record& record, int side) {
    Position p = emptyPosition();
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) put(p, x, y, board(x, y));
    p.side = side > 0 ? 1 : -1;
    const int n =
        record.counter < 0 ? 0 : (record.counter > kRecordCapacity ? kRecordCapacity : record.counter);
    p.entries = n;
    p.lastCaptured = n >= 1 ? record.captured[static_cast<std::size_t>(n)] : 0;
    p.lastPlaced = record.placed[static_cast<std::size_t>(n)];
    p.previousPlaced = n >= 1 ? record.placed[static_cast<std::size_t>(n - 1)] : 0;
    p.key = p.computeKey();
    return p;
}

}  // namespace search
