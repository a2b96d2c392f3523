#include "rules/game_end.h"

#include "state/pieces.h"

namespace rules {

using namespace state;

namespace {

bool royal(int code) { return magnitude(code) == 王 || magnitude(code) == 鵺王; }

Outcome winnerIs(int side) { return side > 0 ? Outcome::UpperWins : Outcome::LowerWins; }

}  // namespace

Outcome 終局判定(const EndFacts& f) {
    if (f.outOfTime != 0) return winnerIs(-f.outOfTime);
    if (royal(f.captured) || royal(f.captured2)) return winnerIs(f.mover);
    if (f.moverMates) return winnerIs(f.mover);
    if (!f.nextCanMove) return winnerIs(f.mover);
    if (f.recordFull) return Outcome::Draw;
    return Outcome::Continues;
}

int 勝った側(Outcome o) {
    switch (o) {
        case Outcome::UpperWins: return 1;
        case Outcome::LowerWins: return -1;
        default: return 0;
    }
}

}  // namespace rules
