#include "control/hint.h"

#include "control/refusal.h"
#include "control/strong_move.h"
#include "state/game.h"

namespace control {

using namespace state;

namespace {

std::optional<state::Move> fromChoice(const search::Choice& c) {
    if (!c.found) return std::nullopt;
    return c.played;
}

}  // namespace

std::optional<state::Move> 強いヒント(const state::GameData& g, int sign, search::Searcher& searcher,
                                      const search::Limits& limits) {
    return fromChoice(強い指し手(g, sign, searcher, limits));
}

std::optional<state::Move> ヒント_Click(Game& g, const search::Limits& limits) {
    const GameState& s = g.state;
    if (s.sideToMove == 0 || s.kifuMode) {
        禁止_通知(g, Text::StartWithMatch, Text::TitleStart);
        return std::nullopt;
    }
    if (s.stepState == 2) {
        禁止_通知(g, Text::SecondStepPending, Text::TitleHint);
        return std::nullopt;
    }
    // The human sits below; in a game between two people the upper player
    // may ask as well.
    const bool computerToMove = s.gameKind == kAgainstComputer && s.sideToMove == s.comToken;
    if (computerToMove) {
        禁止_通知(g, Text::ComputerToMove, Text::TitleHint);
        return std::nullopt;
    }
    const int sign = s.sideToMove == s.humanToken ? -1 : 1;
    std::optional<state::Move> h = fromChoice(考慮中探索(g, sign, limits));
    if (!h) 禁止_通知(g, Text::NoLegalMove, Text::TitleHint);
    return h;
}

}  // namespace control
