#include "control/computer_choice.h"

#include <memory>

#include "engine/computer_move.h"
#include "engine/influence.h"
#include "record/board_reversal.h"
#include "rules/move_execution.h"
#include "state/game_data.h"

namespace control {

std::optional<state::Move> 側の指し手(const state::GameData& g, int side, int level) {
    auto view = std::make_unique<state::GameData>();
    view->board = g.board;
    view->record = g.record;
    if (side < 0) {
        record::盤面半回転(view->board);
        view->record = record::記録半回転(g.record);
    }
    view->state.level = level;
    view->state.stepState = 1;
    engine::勢力調査_両軍(*view);
    const engine::Choice best = engine::指し手探索(*view);
    if (!best.found) return std::nullopt;
    state::Move m = best.move;
    if (engine::二手目要求(best) && view->record.counter + 2 <= state::MoveRecord::kCapacity) {
        rules::手順保存(*view, m.fromX, m.fromY, m.toX, m.toY, m.moved, m.placed);
        view->board(m.toX, m.toY) = m.placed;
        view->board(m.fromX, m.fromY) = state::空;
        if (const auto second = engine::二手目選択(*view, m.toX, m.toY, state::鵺王)) {
            m.twoStep = true;
            m.toX2 = second->toX;
            m.toY2 = second->toY;
            m.captured2 = second->captured;
        }
    }
    return side > 0 ? m : state::turned(m);
}

}  // namespace control
