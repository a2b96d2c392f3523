#include "search/move_generation.h"

#include "search/attacks.h"
#include "search/pieces.h"

namespace search {

namespace {

inline constexpr std::array<int, 81> kSquares = [] {
    std::array<int, 81> s{};
    for (int y = 1; y <= 9; ++y)
        for (int x = 1; x <= 9; ++x) s[(y - 1) * 9 + x - 1] = square(x, y);
    return s;
}();

struct Generator {
    const Position& p;
    MoveList& list;
    GenerationMode mode;
    int side;
    int banned;

    bool wanted(int captured) const { return mode != GenerationMode::Captures || captured != 0; }

    // Promotion where it may happen; the unpromoted move only where the
    // piece could still move afterwards.
    void addWithPromotion(int from, int to, int code) {
        if (mayPromote(code, rankOf(from), rankOf(to))) {
            list.add(makeMove(from, to, 0, true));
            if (mustPromote(code, rankOf(to))) return;
        }
        list.add(makeMove(from, to));
    }

    void steps(int from, int code, const KindMoves& k) {
        for (int i = 0; i < k.stepCount; ++i) {
            const int to = from + offset(k.steps[i], side);
            const int c = p.cell[to];
            if (c == kOff || ownedBy(c, side) || (c != 0 && c == banned) || !wanted(c)) continue;
            addWithPromotion(from, to, code);
        }
    }

    void rays(int from, int code, const KindMoves& k) {
        for (int i = 0; i < k.rayCount; ++i) {
            const int d = offset(k.rays[i], side);
            for (int to = from + d;; to += d) {
                const int c = p.cell[to];
                if (c == kOff || ownedBy(c, side)) break;
                if ((c == 0 || c != banned) && wanted(c)) addWithPromotion(from, to, code);
                if (c != 0) break;
            }
        }
    }

    // The second steps after a first step to `mid` that took `taken`: king
    // steps, back to the Nue King's own square included.
    void secondSteps(int from, int mid, int taken, bool& passAdded) {
        // After the first step the record's last entry took `taken`.
        const bool nueTaken = taken == kNueKing || taken == -kNueKing;
        const int banAfter = nueTaken && p.lastPlaced != -taken ? -taken : 0;
        const int otherNue = -side * kNueKing;
        for (int k : kKingSteps) {
            const int to = mid + k;
            const int c = to == from ? 0 : p.cell[to];
            if (c == kOff || ownedBy(c, side) || (c != 0 && c == banAfter)) continue;
            const bool keep = mode == GenerationMode::All || taken != 0 || c == otherNue ||
                              (to == from && mode == GenerationMode::Distinct && !passAdded);
            if (!keep) continue;
            if (to == from && taken == 0) passAdded = true;
            list.add(makeMove(from, mid, to));
        }
    }

    void nueKing(int from) {
        const int otherNue = -side * kNueKing;
        bool passAdded = false;
        auto first = [&](int to, bool adjacent) {
            const int c = p.cell[to];
            if (c == kOff || ownedBy(c, side) || (c != 0 && c == banned)) return;
            if (c == otherNue && nueGuarded(p, to, -side, from)) return;
            if (wanted(c)) list.add(makeMove(from, to));
            if (adjacent) secondSteps(from, to, c, passAdded);
        };
        for (int k : kKingSteps) first(from + k, true);
        for (int j : kNueJumps) first(from + j, false);
    }
};

}  // namespace

void generateMoves(const Position& p, MoveList& list, GenerationMode mode) {
    list.size = 0;
    if (!p.hasRoyal(1) || !p.hasRoyal(-1)) return;
    Generator g{p, list, mode, p.side, p.bannedTarget()};
    for (int from : kSquares) {
        const int code = p.cell[from];
        if (!ownedBy(code, p.side)) continue;
        const int kind = kindOf(code);
        if (kind == kNueKing) {
            g.nueKing(from);
            continue;
        }
        const KindMoves& k = kKindMoves[kind];
        g.steps(from, code, k);
        g.rays(from, code, k);
    }
}

}  // namespace search
