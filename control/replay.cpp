// 進 and 戻: stepping through the move record, on a game in progress or on a
// loaded record. A Nue King's two-step move is stepped as one move.

#include "control/commands.h"
#include "control/file_panel.h"
#include "control/refusal.h"
#include "display/board_drawing.h"
#include "display/texts.h"
#include "record/record_moves.h"
#include "state/game.h"

namespace control {

using namespace state;

namespace {

bool isNueKing(int code) { return code == state::鵺王 || code == -state::鵺王; }

// Re-applies entry k of the record.
void stepForward(Game& g, int k) {
    const state::MoveRecord& r = g.record;
    g.board(r.fromX[k], r.fromY[k]) = state::空;
    display::描画_桝(g, r.fromX[k], r.fromY[k]);
    g.board(r.toX[k], r.toY[k]) = r.placed[k];
    display::描画_駒(g, r.placed[k], r.toX[k], r.toY[k]);
    g.port.playSound(g.state.sounds.piece);
}

// Takes entry k back: the captured piece returns, the mover unpromoted.
void stepBack(Game& g, int k) {
    const state::MoveRecord& r = g.record;
    if (r.captured[k] == state::空)
        display::描画_桝(g, r.toX[k], r.toY[k]);
    else
        display::描画_駒(g, r.captured[k], r.toX[k], r.toY[k]);
    g.board(r.toX[k], r.toY[k]) = r.captured[k];
    g.board(r.fromX[k], r.fromY[k]) = r.moved[k];
    display::描画_駒(g, r.moved[k], r.fromX[k], r.fromY[k]);
    g.port.playSound(g.state.sounds.piece);
    display::描画_四角形(g, 12.3, r.moved[k] >= 1 ? 5 : 6, 1250, 400, kGreen);
}

}  // namespace

void AFTER_Click(Game& g) {
    GameState& s = g.state;
    state::MoveRecord& r = g.record;
    s.resumeNotice = 1;
    ファイルパネル_非表示(g);
    if (s.sideToMove == 0) return 禁止_通知(g, Text::StartWithMatch, Text::TitleStart);
    if (s.stepState == 2) return 禁止_通知(g, Text::SecondStepPending, Text::TitleForward);
    s.selection = 0;
    display::描画_将棋盤桝(g);
    int k = 0;
    do {
        if (r.counter >= r.last) {
            if (s.kifuMode)
                g.port.messageBox(Message{Text::RecordEnd}, Text::TitleForward, Buttons::Ok, Icon::None);
            else
                禁止_通知(g, Text::NotPossible, Text::TitleForward);
            return;
        }
        k = ++r.counter;
        stepForward(g, k);
    } while (isNueKing(r.placed[k]) && k < r.last && r.placed[k + 1] == r.placed[k]);
    s.moveNumber += 1;
    display::描画_手数(g, s.moveNumber, kWhite);
    const bool upper = r.placed[k] >= 1;
    // The text names the move that ends at entry k, where the piece now stands.
    display::描画_移動結果(g, upper ? display::kUpperMoveX : display::kLowerMoveX,
                           upper ? display::kUpperMoveY : display::kLowerMoveY,
                           record::記録の手(r, record::手の最初(r, k)), kWhite);
    s.sideToMove = -s.sideToMove;
}

void REPLAY_Click(Game& g) {
    GameState& s = g.state;
    state::MoveRecord& r = g.record;
    s.resumeNotice = 1;
    ファイルパネル_非表示(g);
    if (r.counter < 1) return 禁止_通知(g, Text::NotPossible, Text::TitleBack);
    if (s.stepState == 2) return 禁止_通知(g, Text::SecondStepPending, Text::TitleBack);
    s.selection = 0;
    display::描画_将棋盤桝(g);
    int undone = 0;
    do {
        const int k = r.counter;
        stepBack(g, k);
        undone = r.moved[k];
        r.counter -= 1;
    } while (r.counter >= 1 && isNueKing(r.moved[r.counter]) && r.moved[r.counter] == undone);
    s.moveNumber -= 1;
    s.sideToMove = -s.sideToMove;
    display::描画_手数(g, s.moveNumber, kWhite);
}

}  // namespace control
