#include "control/computer_turn.h"

#include "control/end_of_game.h"
#include "control/piece_move.h"
#include "control/strong_move.h"
#include "control/waiting_and_closing.h"
#include "display/board_drawing.h"
#include "display/texts.h"
#include "engine/influence.h"
#include "engine/mate.h"
#include "rules/move_execution.h"
#include "search/levels.h"
#include "state/game.h"

namespace control {

void 指し手実行(Game& g, const engine::ChosenMove& m) {
    rules::手順保存(g, m.x, m.y, m.tx, m.ty, m.fromPiece, m.placed);
    駒移動(g, m.x, m.y, m.tx, m.ty, m.placed);
}

engine::SecondStep 二手目実行(Game& g, int x, int y, int tx, int ty) {
    const engine::SecondStep step{true, tx, ty, g.board(tx, ty)};
    rules::手順保存(g, x, y, tx, ty, rules::鵺王, rules::鵺王);
    駒移動(g, x, y, tx, ty, rules::鵺王);
    g.port.playSound(g.state.sounds.piece);
    display::描画_桝輪郭(g, kLightRed, tx, ty);
    return step;
}

engine::SecondStep com_ban2手目(Game& g, int x, int y, int piece) {
    const engine::SecondStep step = engine::二手目選択(g, x, y, piece);
    if (!step.played) return step;  // no neighbour to go to: the first step is the whole move
    return 二手目実行(g, x, y, step.tx, step.ty);
}

void com_ban(Game& g) {
    display::描画_思考中(g);
    g.port.refresh();
    待ち時間(g, 0.5);
    // Levels 4 to 8 choose by their own search; the rest of the turn is the same.
    const bool strong = search::isSearchLevel(g.state.level);
    const StrongMove strongMove = strong ? 強い指し手探索(g) : StrongMove{};
    const engine::ChosenMove best = strong ? strongMove.first : engine::指し手探索(g);
    if (!best.found) {  // a side that cannot move has lost
        終了(g, "あなた");
        return;
    }
    if (g.record.full()) {  // no room for the move in the record: a draw
        終了(g, "引き分け");
        return;
    }
    指し手実行(g, best);
    待ち時間(g, 0.5);
    g.port.playSound(g.state.sounds.piece);
    display::描画_桝輪郭(g, kLightRed, best.tx, best.ty);
    engine::SecondStep second;
    if (strong ? strongMove.twoStep : engine::二手目要求(best)) {
        if (g.record.full()) {
            終了(g, "引き分け");
            return;
        }
        g.port.messageBox("二手目、移動します", "二手移動", Buttons::Ok, Icon::None);
        second = strong ? 二手目実行(g, best.tx, best.ty, strongMove.x2, strongMove.y2)
                        : com_ban2手目(g, best.tx, best.ty, rules::鵺王);
    }
    g.state.moveNumber += 1;
    display::描画_手数(g, g.state.moveNumber, kWhite);
    g.maps.manKingX = 0;
    engine::勢力調査_COM(g);
    engine::勢力調査_MAN(g);
    const int taken = g.search.snapshot(best.tx, best.ty);
    const bool royalTaken = taken == -rules::王 || taken == -rules::鵺王 || second.captured == -rules::王 ||
                            second.captured == -rules::鵺王;
    if (engine::詰めかMAN(g) == rules::有) {
        g.port.messageBox("よし！!", "詰め ?", Buttons::Ok, Icon::None);
    } else if (royalTaken) {
        終了(g, "ｺﾝﾋﾟｭｰﾀ");
        return;
    } else if (g.maps.comCount(g.maps.manKingX, g.maps.manKingY) > 0) {
        g.port.messageBox("   ** 王手 **", "", Buttons::Ok, Icon::None);
    }
    // After a second step the move ends where the Nue King now stands.
    const int lastX = second.played ? second.tx : best.tx;
    const int lastY = second.played ? second.ty : best.ty;
    display::描画_移動結果(g, display::kUpperMoveX, display::kUpperMoveY, lastX, lastY, best.placed, kWhite);
    g.state.sideToMove = g.state.humanToken;
}

void コンピュータの手番(Game& g) {
    engine::勢力調査_両軍(g);
    com_ban(g);
}

}  // namespace control
