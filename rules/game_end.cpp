#include "rules/game_end.h"

#include "state/pieces.h"

namespace rules {

namespace {

bool royal(int code) { return state::magnitude(code) == state::王 || state::magnitude(code) == state::鵺王; }

state::Outcome winnerIs(int side, state::EndReason why) {
    return {side > 0 ? state::Result::UpperWins : state::Result::LowerWins, why};
}

}  // namespace

state::Outcome 終局判定(const EndFacts& f) {
    using enum state::EndReason;
    if (f.resigned != 0) return winnerIs(-f.resigned, Resignation);
    if (f.outOfTime != 0) return winnerIs(-f.outOfTime, OutOfTime);
    if (royal(f.captured) || royal(f.captured2)) return winnerIs(f.mover, RoyalTaken);
    if (f.moverMates) return winnerIs(f.mover, MateAsked);
    if (!f.nextCanMove) return winnerIs(f.mover, NoLegalMove);
    if (f.recordFull) return {state::Result::Draw, RecordFull};
    return {};
}

int 勝った側(state::Outcome o) {
    const std::optional<state::Side> w = o.winner();
    return w ? state::sign(*w) : 0;
}

}  // namespace rules
