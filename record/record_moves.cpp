#include "record/record_moves.h"

#include <cstdlib>

#include "state/pieces.h"

namespace record {

namespace {

std::size_t at(int k) { return static_cast<std::size_t>(k); }

bool oneSquare(const state::MoveRecord& r, int k) {
    return std::abs(r.toX[at(k)] - r.fromX[at(k)]) <= 1 && std::abs(r.toY[at(k)] - r.fromY[at(k)]) <= 1;
}

bool nueKingStep(const state::MoveRecord& r, int k) {
    return state::magnitude(r.moved[at(k)]) == state::鵺王 && r.placed[at(k)] == r.moved[at(k)] &&
           oneSquare(r, k);
}

}  // namespace

state::Move 記録の項(const state::MoveRecord& r, int k) {
    const std::size_t i = at(k);
    return state::Move{r.fromX[i], r.fromY[i], r.toX[i],    r.toY[i],      false, 0,
                       0,          r.moved[i], r.placed[i], r.captured[i], 0};
}

void 記録の項に書く(state::MoveRecord& r, int k, const state::Move& e, bool secondStep) {
    const std::size_t i = at(k);
    r.fromX[i] = e.fromX;
    r.fromY[i] = e.fromY;
    r.toX[i] = e.toX;
    r.toY[i] = e.toY;
    r.placed[i] = e.placed;
    r.moved[i] = e.moved;
    r.captured[i] = e.captured;
    r.secondStep[i] = secondStep;
}

int 手の最後(const state::MoveRecord& r, int first) {
    const int next = first + 1;
    return next <= r.last && next <= state::MoveRecord::kCapacity && r.secondStep[at(next)] ? next : first;
}

state::Move 記録の手(const state::MoveRecord& r, int first) {
    state::Move m = 記録の項(r, first);
    const int last = 手の最後(r, first);
    if (last == first) return m;
    m.twoStep = true;
    m.toX2 = r.toX[at(last)];
    m.toY2 = r.toY[at(last)];
    m.captured2 = r.captured[at(last)];
    return m;
}

int 手の最初(const state::MoveRecord& r, int last) {
    return last >= 2 && r.secondStep[at(last)] ? last - 1 : last;
}

void 二手目を読む(state::MoveRecord& r) {
    r.secondStep.fill(false);
    for (int k = 2; k <= r.last && k <= state::MoveRecord::kCapacity; ++k)
        r.secondStep[at(k)] = !r.secondStep[at(k - 1)] && nueKingStep(r, k - 1) && nueKingStep(r, k) &&
                              r.moved[at(k)] == r.moved[at(k - 1)] && r.fromX[at(k)] == r.toX[at(k - 1)] &&
                              r.fromY[at(k)] == r.toY[at(k - 1)];
}

int 初手の側(const state::MoveRecord& r) { return r.last >= 1 && r.moved[1] >= 1 ? 1 : -1; }

}  // namespace record
