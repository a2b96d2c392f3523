#include "search/evaluation.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

#include "search/attacks.h"
#include "search/pieces.h"

namespace search {

namespace {

// The game is one lone Nue King against an army (either side may be which).
// The army wins by leaving the Nue King no safe square within its reach and
// then taking it; the Nue King wins by reaching the army's king or by
// eating the army until no net can be made. So besides material the terms
// measure that net and that reach.

// Freedom of the Nue King: by the number of squares within two of it that
// no piece of the other side attacks. Few free squares mean a net is closing.
constexpr std::array<int, 25> kNueFreedom = {-900, -520, -320, -200, -130, -85, -55, -35, -20, -10, 0,  6, 12,
                                             18,   24,   30,   36,   42,   48,  54,  60,  66,  72,  78, 84};

// Every attack on a square next to the Nue King is a piece of the net.
constexpr int kNeighbourPressure = 7;

// The Nue King near the army's king: within two it takes it (the search sees
// that); one or two moves away the army must already defend. This term and
// the next were doubled after self-play of level four against itself at
// 30000 nodes a move (80 games from random openings, each opening with
// either side: 25 won, 14 lost, 41 drawn for the doubled weights); a
// stronger weight for the Nue King's freedom gained nothing (10-12-18).
constexpr std::array<int, 9> kKingDistance = {0, 0, 0, 320, 140, 50, 20, 0, 0};

// A square within two of the army's king that the army does not attack is a
// landing square from which the Nue King threatens the king.
constexpr int kOpenLandingSquare = 28;

// The side to move has the first say in every race.
constexpr int kTempo = 12;

struct Scan {
    std::array<int, 2> material{};
    std::array<std::array<std::uint8_t, kCells>, 2> attacks{};
    std::array<bool, 2> mapped{};
};

int distance(int a, int b) {
    return std::max(std::abs(fileOf(a) - fileOf(b)), std::abs(rankOf(a) - rankOf(b)));
}

// The squares one piece attacks. Lines pass through the other side's Nue
// King: a square behind it stays attacked when it steps aside.
void markAttacks(const Position& p, int from, int code, int passThrough,
                 std::array<std::uint8_t, kCells>& map) {
    const int sign = code > 0 ? 1 : -1;
    const KindMoves& k = kKindMoves[kindOf(code)];
    for (int i = 0; i < k.stepCount; ++i) ++map[static_cast<std::size_t>(from + offset(k.steps[i], sign))];
    for (int i = 0; i < k.rayCount; ++i) {
        const int d = offset(k.rays[i], sign);
        for (int to = from + d; p.cell[to] != kOff; to += d) {
            ++map[static_cast<std::size_t>(to)];
            if (p.cell[to] != 0 && to != passThrough) break;
        }
    }
}

Scan scan(const Position& p) {
    Scan s;
    // An army's attacks matter only against a Nue King.
    s.mapped = {p.nue[1] != 0, p.nue[0] != 0};
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) {
            const int sq = square(x, y);
            const int code = p.cell[sq];
            if (code == 0) continue;
            const int side = sideIndex(code);
            s.material[side] += kPieceValue[kindOf(code)];
            if (s.mapped[side] && kindOf(code) != kNueKing)
                markAttacks(p, sq, code, p.nue[1 - side], s.attacks[side]);
        }
    return s;
}

// The Nue King of `side` against the attacks of the other side.
int nueSafety(const Position& p, int side, const std::array<std::uint8_t, kCells>& enemy) {
    const int nue = p.nue[side];
    const int sign = side == 0 ? 1 : -1;
    int free = 0, pressure = 0;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const int sq = nue + dx + kWidth * dy;
            const int c = p.cell[sq];
            if ((dx == 0 && dy == 0) || c == kOff || ownedBy(c, sign)) continue;
            if (enemy[static_cast<std::size_t>(sq)] == 0) ++free;
            if (std::abs(dx) <= 1 && std::abs(dy) <= 1) pressure += enemy[static_cast<std::size_t>(sq)];
        }
    return kNueFreedom[static_cast<std::size_t>(free)] - kNeighbourPressure * pressure;
}

// The danger to the king of `side` from the other side's Nue King.
int kingDanger(const Position& p, int side, const std::array<std::uint8_t, kCells>& own) {
    const int king = p.king[side];
    const int nue = p.nue[1 - side];
    int danger = kKingDistance[static_cast<std::size_t>(std::min(distance(king, nue), 8))];
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const int sq = king + dx + kWidth * dy;
            if (p.cell[sq] != kOff && (dx != 0 || dy != 0) && own[static_cast<std::size_t>(sq)] == 0)
                danger += kOpenLandingSquare;
        }
    return danger;
}

}  // namespace

int evaluate(const Position& p) {
    const Scan s = scan(p);
    int upper = s.material[0] - s.material[1];
    for (int side = 0; side < 2; ++side) {
        const int sign = side == 0 ? 1 : -1;
        if (p.nue[side] != 0) upper += sign * nueSafety(p, side, s.attacks[1 - side]);
        if (p.king[side] != 0 && p.nue[1 - side] != 0) upper -= sign * kingDanger(p, side, s.attacks[side]);
    }
    return p.side * upper + kTempo;
}

int material(const Position& p) {
    int upper = 0;
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) {
            const int code = p.at(x, y);
            upper += code > 0 ? kPieceValue[kindOf(code)] : -kPieceValue[kindOf(code)];
        }
    return p.side * upper;
}

}  // namespace search
