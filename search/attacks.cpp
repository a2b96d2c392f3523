#include "search/attacks.h"

#include <array>
#include <cstdlib>

#include "search/move_generation.h"
#include "search/pieces.h"

namespace search {

namespace {

// For each king-step neighbour of a target, the kinds (bit per kind) whose
// single steps from that neighbour reach the target, for each side.
struct NeighbourAttackers {
    std::array<int, 8> offset{};  // from the target to the neighbour
    std::array<unsigned, 8> kinds{};
};

constexpr NeighbourAttackers makeNeighbourAttackers(int sign) {
    NeighbourAttackers n;
    int i = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            if (dx == 0 && dy == 0) continue;
            n.offset[i] = dx + kWidth * dy;
            // A piece on target + (dx, dy) moves by (-dx, -dy) on the board.
            for (int kind = 1; kind <= 15; ++kind) {
                const KindMoves& k = kKindMoves[kind];
                for (int s = 0; s < k.stepCount; ++s)
                    if (k.steps[s].dx == -dx && k.steps[s].dy * sign == -dy && kind != kKnight)
                        n.kinds[i] |= 1u << kind;
            }
            ++i;
        }
    return n;
}

inline constexpr std::array<NeighbourAttackers, 2> kNeighbourAttackers = {makeNeighbourAttackers(1),
                                                                          makeNeighbourAttackers(-1)};

constexpr unsigned kOrthogonalSliders = 1u << kRook | 1u << kDragon;
constexpr unsigned kDiagonalSliders = 1u << kBishop | 1u << kHorse;

// The first piece met walking from the target, `transparent` skipped.
int firstPiece(const Position& p, int target, int d, int transparent) {
    int sq = target + d;
    while (p.cell[sq] == 0 || sq == transparent) sq += d;
    return p.cell[sq];
}

int distance(int a, int b) {
    return std::max(std::abs(fileOf(a) - fileOf(b)), std::abs(rankOf(a) - rankOf(b)));
}

bool anyMoveTakesRoyal(const Position& p) {
    MoveList list;
    generateMoves(p, list, GenerationMode::All);
    for (int i = 0; i < list.size; ++i) {
        const Move m = list.moves[i];
        const int c1 = p.cell[toOf(m)];
        const int c2 = secondOf(m) != 0 && secondOf(m) != fromOf(m) ? p.cell[secondOf(m)] : 0;
        for (int c : {c1, c2})
            if (kindOf(c) == kNueKing || kindOf(c) == kKing) return true;
    }
    return false;
}

}  // namespace

int attackerCount(const Position& p, int target, int by, int transparent, bool withNue) {
    int count = 0;
    const NeighbourAttackers& n = kNeighbourAttackers[sideIndex(by)];
    for (int i = 0; i < 8; ++i) {
        const int sq = target + n.offset[i];
        const int c = p.cell[sq];
        if (sq != transparent && ownedBy(c, by) && (n.kinds[i] >> kindOf(c) & 1)) ++count;
    }
    // Knights two rows behind the target, as the knight's side sees it.
    for (int dx : {-1, 1}) {
        const int sq = target - (dx + kWidth * 2 * by);
        if (sq != transparent && p.cell[sq] == by * kKnight) ++count;
    }
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            if (dx == 0 && dy == 0) continue;
            const int c = firstPiece(p, target, dx + kWidth * dy, transparent);
            if (!ownedBy(c, by)) continue;
            const unsigned bit = 1u << kindOf(c);
            if (dx == 0 || dy == 0) {
                if (bit & kOrthogonalSliders) ++count;
                // A lance moves forward: it stands behind the target on its file.
                else if (kindOf(c) == kLance && dx == 0 && dy == -by)
                    ++count;
            } else if (bit & kDiagonalSliders) {
                ++count;
            }
        }
    if (withNue) {
        const int nue = p.nue[sideIndex(by)];
        if (nue != 0 && nue != transparent && nue != target && distance(nue, target) <= 2) ++count;
    }
    return count;
}

bool nueGuarded(const Position& p, int target, int guardSign, int attackerFrom) {
    return attackerCount(p, target, guardSign, attackerFrom, false) > 0;
}

bool canTakeRoyal(const Position& p) {
    const int them = sideIndex(-p.side);
    // Two Nue Kings, or the forbidden recapture: only the moves themselves know.
    if ((p.nue[0] != 0 && p.nue[1] != 0) || p.bannedTarget() != 0) return anyMoveTakesRoyal(p);
    for (int sq : {p.nue[them], p.king[them]})
        if (sq != 0 && attackerCount(p, sq, p.side, 0, true) > 0) return true;
    return false;
}

bool royalAttacked(const Position& p, int sign) {
    const int us = sideIndex(sign);
    for (int sq : {p.nue[us], p.king[us]})
        if (sq != 0 && attackerCount(p, sq, -sign, 0, true) > 0) return true;
    return false;
}

}  // namespace search
