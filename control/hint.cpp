#include "control/hint.h"

#include <memory>

#include "control/refusal.h"
#include "control/strong_move.h"
#include "engine/computer_move.h"
#include "engine/influence.h"
#include "record/board_reversal.h"
#include "rules/move_execution.h"
#include "rules/piece_names.h"
#include "state/game.h"
#include "state/pieces.h"

namespace control {

namespace {

// The computer chooses for the upper side only; the lower side's position is
// turned about first. The copy plays its own first step, as the computer's
// turn does, so that the second step is chosen on the position it would see.
std::optional<Hint> chooseOnCopy(state::GameData& view, int sign) {
    engine::勢力調査_両軍(view);
    const engine::ChosenMove best = engine::指し手探索(view);
    if (!best.found) return std::nullopt;
    auto real = [sign](int c) { return sign > 0 ? c : 10 - c; };
    Hint h{real(best.x), real(best.y), real(best.tx), real(best.ty), best.placed * sign, false, 0, 0};
    if (!engine::二手目要求(best) || view.record.counter + 2 > rules::MoveRecord::kCapacity) return h;
    rules::手順保存(view, best.x, best.y, best.tx, best.ty, best.fromPiece, best.placed);
    view.board(best.tx, best.ty) = best.placed;
    view.board(best.x, best.y) = rules::空;
    const engine::SecondStep second = engine::二手目選択(view, best.tx, best.ty, rules::鵺王);
    if (second.played) {
        h.second = true;
        h.tx2 = real(second.tx);
        h.ty2 = real(second.ty);
    }
    return h;
}

std::optional<Hint> fromChoice(const search::Choice& c) {
    if (!c.found) return std::nullopt;
    return Hint{c.x, c.y, c.tx, c.ty, c.placed, c.twoStep, c.twoStep ? c.x2 : 0, c.twoStep ? c.y2 : 0};
}

}  // namespace

std::optional<Hint> 指し手ヒント(const state::GameData& g, int sign) {
    auto view = std::make_unique<state::GameData>();
    view->board = g.board;
    view->record = g.record;
    if (sign < 0) {
        record::盤面半回転(view->board);
        view->record = record::記録半回転(g.record);
    }
    view->state.level = g.state.level;
    view->state.stepState = 1;
    return chooseOnCopy(*view, sign);
}

std::optional<Hint> 強いヒント(const state::GameData& g, int sign, search::Searcher& searcher,
                               const search::Limits& limits) {
    return fromChoice(強い指し手(g, sign, searcher, limits));
}

std::optional<Hint> ヒント_Click(Game& g, const search::Limits& limits) {
    const GameState& s = g.state;
    if (s.sideToMove == 0 || s.kifuMode) {
        禁止_通知(g, "「対局」で始めて下さい", "開始");
        return std::nullopt;
    }
    if (s.stepState == 2) {
        禁止_通知(g, "2手目移動中はできません！", "ヒント");
        return std::nullopt;
    }
    // The human sits below; in a game between two people the upper player
    // may ask as well.
    const bool computerToMove = s.gameKind == kAgainstComputer && s.sideToMove == s.comToken;
    if (computerToMove) {
        禁止_通知(g, "COMの番です", "ヒント");
        return std::nullopt;
    }
    const int sign = s.sideToMove == s.humanToken ? -1 : 1;
    std::optional<Hint> h = fromChoice(考慮中探索(g, sign, limits));
    if (!h) 禁止_通知(g, "指せる手がありません", "ヒント");
    return h;
}

std::string ヒント_文(const Hint& h) {
    std::string text = "ヒント：" + rules::升目名(h.x, h.y) + "→" + rules::升目名(h.tx, h.ty);
    text += rules::駒名(h.placed);
    if (h.second) text += "→" + rules::升目名(h.tx2, h.ty2);
    return text;
}

}  // namespace control
