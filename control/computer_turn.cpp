#include "control/computer_turn.h"

#include "control/end_of_game.h"
#include "control/game_clock.h"
#include "control/piece_move.h"
#include "control/strong_move.h"
#include "control/waiting_and_closing.h"
#include "display/board_drawing.h"
#include "display/texts.h"
#include "engine/computer_move.h"
#include "engine/influence.h"
#include "engine/mate.h"
#include "rules/move_execution.h"
#include "search/levels.h"
#include "state/game.h"

namespace control {

using namespace state;

namespace {

// The computer's choice for its turn: level four by its own search (the
// second step chosen with the first), the other levels by the one-ply search.
struct TurnChoice {
    bool found = false;
    state::Move move;  // the first step; the second is played apart
    bool secondStep = false;
    int x2 = 0, y2 = 0;  // level four's second step
};

TurnChoice choose(Game& g) {
    TurnChoice c;
    if (search::isSearchLevel(g.state.level)) {
        const search::Choice strong = 強い指し手探索(g);
        c.found = strong.found;
        c.move = strong.played;
        c.secondStep = strong.played.twoStep;
        c.x2 = strong.played.toX2;
        c.y2 = strong.played.toY2;
        c.move.twoStep = false;
        return c;
    }
    const engine::Choice best = engine::指し手探索(g);
    c.found = best.found;
    c.move = best.move;
    c.secondStep = engine::二手目要求(best);
    return c;
}

}  // namespace

void 指し手実行(Game& g, const state::Move& m) { 一歩を指す(g, m.firstStep()); }

state::Move 二手目実行(Game& g, int x, int y, int tx, int ty) {
    const state::Move step{x, y, tx, ty, false, 0, 0, state::鵺王, state::鵺王, g.board(tx, ty), 0};
    一歩を指す(g, step, true);
    g.port.playSound(g.state.sounds.piece);
    display::描画_桝輪郭(g, kLightRed, tx, ty);
    return step;
}

std::optional<state::Move> com_ban2手目(Game& g, int x, int y, int piece) {
    const std::optional<state::Move> step = engine::二手目選択(g, x, y, piece);
    if (!step) return step;  // no neighbour to go to: the first step is the whole move
    return 二手目実行(g, x, y, step->toX, step->toY);
}

void com_ban(Game& g) {
    // The window hears that the computer thinks until its move is chosen.
    g.port.thinking(true);
    display::描画_思考中(g);
    g.port.refresh();
    待ち時間(g, 0.5);
    時計_思考開始(g);
    const TurnChoice choice = choose(g);
    const int late = 時計_着手完了(g);
    g.port.thinking(false);
    // Out of time, it loses before it moves; a side that cannot move has
    // lost; a move with no room in the record is a draw.
    if (終局(g, {.outOfTime = late, .mover = -1, .nextCanMove = choice.found, .recordFull = g.record.full()}))
        return;
    state::Move played = choice.move;
    指し手実行(g, played);
    待ち時間(g, 0.5);
    g.port.playSound(g.state.sounds.piece);
    display::描画_桝輪郭(g, kLightRed, played.toX, played.toY);
    if (choice.secondStep) {
        if (終局(g, {.recordFull = g.record.full()})) return;
        g.port.messageBox(Message{Text::SecondStepComing}, Text::TitleTwoSteps, Buttons::Ok, Icon::None);
        const std::optional<state::Move> second =
            search::isSearchLevel(g.state.level) ? 二手目実行(g, played.toX, played.toY, choice.x2, choice.y2)
                                                 : com_ban2手目(g, played.toX, played.toY, state::鵺王);
        if (second) {
            played.twoStep = true;
            played.toX2 = second->toX;
            played.toY2 = second->toY;
            played.captured2 = second->captured;
        }
    }
    g.state.moveNumber += 1;
    display::描画_手数(g, g.state.moveNumber, kWhite);
    g.port.moveCompleted();
    g.maps.manKingX = 0;
    engine::勢力調査_COM(g);
    engine::勢力調査_MAN(g);
    played.captured = g.search.snapshot(played.toX, played.toY);
    if (engine::詰めかMAN(g) == state::有) {
        g.port.messageBox(Message{Text::MateGood}, Text::TitleMate, Buttons::Ok, Icon::None);
    } else if (終局(g, {.mover = 1, .captured = played.captured, .captured2 = played.captured2})) {
        return;
    } else if (g.maps.comCount(g.maps.manKingX, g.maps.manKingY) > 0) {
        g.port.messageBox(Message{Text::Check}, Text::TitleEmpty, Buttons::Ok, Icon::None);
    }
    // After a second step the move text names where the Nue King now stands.
    display::描画_移動結果(g, display::kUpperMoveX, display::kUpperMoveY, played, kWhite);
    g.state.sideToMove = g.state.humanToken;
}

void コンピュータの手番(Game& g) {
    engine::勢力調査_両軍(g);
    com_ban(g);
}

}  // namespace control
