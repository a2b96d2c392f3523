#pragma once

#include <array>

#include "search/position.h"

namespace search {

// How each kind moves, seen from the upper side (forward is +Y); the lower
// side's pieces use the same tables with Y turned about.
struct Vector {
    int dx = 0, dy = 0;
};

struct KindMoves {
    std::array<Vector, 8> steps{};
    int stepCount = 0;
    std::array<Vector, 4> rays{};
    int rayCount = 0;
};

inline constexpr std::array<KindMoves, 16> kKindMoves = [] {
    std::array<KindMoves, 16> k{};
    const KindMoves gold{{{{-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {1, 0}, {0, -1}}}, 6, {}, 0};
    const std::array<Vector, 4> orthogonal{{{0, 1}, {0, -1}, {1, 0}, {-1, 0}}};
    const std::array<Vector, 4> diagonal{{{1, 1}, {1, -1}, {-1, 1}, {-1, -1}}};
    k[kPawn] = {{{{0, 1}}}, 1, {}, 0};
    k[kTokin] = k[kPromotedLance] = k[kPromotedKnight] = k[kPromotedSilver] = k[kGold] = gold;
    k[kLance] = {{}, 0, {{{0, 1}}}, 1};
    k[kKnight] = {{{{-1, 2}, {1, 2}}}, 2, {}, 0};
    k[kSilver] = {{{{-1, 1}, {0, 1}, {1, 1}, {-1, -1}, {1, -1}}}, 5, {}, 0};
    k[kRook] = {{}, 0, orthogonal, 4};
    k[kDragon] = {{diagonal[0], diagonal[1], diagonal[2], diagonal[3]}, 4, orthogonal, 4};
    k[kBishop] = {{}, 0, diagonal, 4};
    k[kHorse] = {{orthogonal[0], orthogonal[1], orthogonal[2], orthogonal[3]}, 4, diagonal, 4};
    k[kKing] = {{{{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}}}, 8, {}, 0};
    return k;
}();

// The mailbox offset of a vector for a piece of the given side.
constexpr int offset(Vector v, int sign) { return v.dx + kWidth * v.dy * sign; }

// The eight king steps and the sixteen squares two away, for the Nue King.
inline constexpr std::array<int, 8> kKingSteps = {-kWidth - 1, -kWidth,    -kWidth + 1, -1,
                                                  1,           kWidth - 1, kWidth,      kWidth + 1};
inline constexpr std::array<int, 16> kNueJumps = [] {
    std::array<int, 16> j{};
    int n = 0;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (dx == -2 || dx == 2 || dy == -2 || dy == 2) j[n++] = dx + kWidth * dy;
    return j;
}();

// Material by kind, in hundredths of a pawn. Without drops a captured piece
// is gone for good, so values follow what the piece can still do on the
// board: the gold-moving promoted pieces are worth a gold, less for the
// promoted pawn, which began as the cheapest piece and guards no better.
// Royal pieces are worth nothing here: their loss ends the game.
inline constexpr std::array<int, 16> kPieceValue = {0,   100, 420, 260,  430, 300, 440, 450,
                                                    470, 500, 900, 1080, 760, 950, 0,   0};

// Promotion by rows: the upper side's zone is rows 7..9, the lower side's
// rows 1..3. Pawn, lance and knight promote only by arriving; silver, bishop
// and rook also by leaving. The unpromoted pawn or lance on the last row and
// the knight on the last two may never stay unpromoted.
constexpr bool inZone(int row, int sign) { return sign > 0 ? row > 6 : row < 4; }
constexpr bool mayPromote(int code, int fromRow, int toRow) {
    const int sign = code > 0 ? 1 : -1;
    // clang-format off
    switch (kindOf(code)) {
        case kPawn: case kLance: case kKnight: return inZone(toRow, sign);
        case kSilver: case kBishop: case kRook: return inZone(toRow, sign) || inZone(fromRow, sign);
        default: return false;
    }
    // clang-format on
}
constexpr bool mustPromote(int code, int toRow) {
    // clang-format off
    switch (code) {
        case kPawn: case kLance: return toRow == 9;
        case kKnight: return toRow > 7;
        case -kPawn: case -kLance: return toRow == 1;
        case -kKnight: return toRow < 3;
        default: return false;
    }
    // clang-format on
}

}  // namespace search
