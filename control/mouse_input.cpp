// The human's mouse: a press picks a piece up, a second press puts it down.
#include <cmath>
#include <cstdlib>

#include "control/commands.h"
#include "control/computer_turn.h"
#include "control/end_of_game.h"
#include "control/file_panel.h"
#include "control/game_reset.h"
#include "control/nue_king_step.h"
#include "control/piece_move.h"
#include "control/refusal.h"
#include "display/board_drawing.h"
#include "display/texts.h"
#include "engine/influence.h"
#include "engine/mate.h"
#include "rules/initial_position.h"
#include "rules/move_check.h"
#include "rules/move_execution.h"
#include "state/game.h"
#include "state/geometry.h"

namespace control {

namespace {

bool ownPiece(const Game& g, int code) {
    return (g.state.sideToMove == g.state.humanToken && code <= -1) ||
           (g.state.sideToMove == g.state.comToken && code >= 1);
}

bool opposingPiece(const Game& g, int code) {
    return (g.state.sideToMove == g.state.humanToken && code >= 1) ||
           (g.state.sideToMove == g.state.comToken && code <= -1);
}

// Answers false when the press must stop here.
bool kifuModeQuestion(Game& g) {
    if (g.state.kifuMode == 0) return true;
    const Answer a = g.port.messageBox("棋譜を '進 'で進めて下さい", "棋譜", Buttons::YesNo, Icon::None);
    if (a == Answer::No) {
        g.port.playSound(g.state.sounds.forbidden);
        rules::初期設定_先手自(g);
        control::初期設定(g);
    }
    return false;
}

// The notices do not stop the press, except when the computer's reply ended the game.
bool notices(Game& g) {
    GameState& s = g.state;
    if (s.gameKind == kTwoPlayers) {
        if (s.resumeNotice) {
            s.resumeNotice = 0;
            g.port.messageBox(s.sideToMove == 1 ? "先手の番です" : "後手の番です", "対局", Buttons::Ok,
                              Icon::None);
        }
        return true;
    }
    if (s.sideToMove == s.comToken) {
        g.port.messageBox("OKですか？", "再開(COM)", Buttons::Ok, Icon::None);
        s.resumeNotice = 0;
        コンピュータの手番(g);
        return !s.quitRequested && s.sideToMove != 0;
    }
    if (s.sideToMove == s.humanToken && s.resumeNotice) {
        s.resumeNotice = 0;
        g.port.messageBox("MANの番です", "対局", Buttons::Ok, Icon::None);
    }
    return true;
}

void select(Game& g, int x, int y) {
    GameState& s = g.state;
    s.selX = x;
    s.selY = y;
    s.selPiece = g.board(x, y);
    display::描画_移動可能桝色(g, x, y, s.movableColour, s.selPiece);
}

void firstPress(Game& g, int x, int y) {
    GameState& s = g.state;
    s.stepState = 1;
    if (g.board(x, y) == rules::空) return;
    select(g, x, y);
    if (ownPiece(g, s.selPiece)) {
        s.selection = 1;
        display::描画_桝輪郭(g, kLightRed, x, y);
    } else {
        display::描画_桝輪郭(g, s.movableColour, x, y);  // only shows the reach of an opposing piece
    }
}

// 先鵺子, for the side that moves the selected piece.
bool forbiddenRecapture(const Game& g, int target) {
    return g.state.selPiece * target < 0 && rules::先鵺子(g, target);
}

bool royalCode(int code, int sign) { return code == sign * rules::王 || code == sign * rules::鵺王; }

// After a completed move: the end of the game, or the turn passes.
void endOfMove(Game& g, int captured, int firstStepCaptured) {
    GameState& s = g.state;
    if (s.gameKind == kAgainstComputer) {
        if (engine::詰めかCOM(g) == rules::有 || royalCode(captured, 1) || royalCode(firstStepCaptured, 1)) {
            control::終了(g, "あなた");
            return;
        }
        コンピュータの手番(g);
        return;
    }
    // The winner is named by who moved first, as the labels beside the board say.
    const bool upperFirst = s.comToken == 1;
    if (royalCode(captured, 1) || royalCode(firstStepCaptured, 1)) {
        control::終了(g, upperFirst ? "後手" : "先手");
    } else if (royalCode(captured, -1) || royalCode(firstStepCaptured, -1)) {
        control::終了(g, upperFirst ? "先手" : "後手");
    } else {
        s.sideToMove = -s.sideToMove;
    }
}

// The move itself, from the promotion choice on.
void makeMove(Game& g, int button, bool secondStep) {
    GameState& s = g.state;
    const int fromPiece = s.selPiece;
    if (button == kRightButton &&
        rules::調査_駒成(g, s.selX, s.selY, s.destX, s.destY, s.selPiece) == rules::有)
        s.selPiece = s.promotedPiece;
    if (g.record.full()) {  // no room for a 501st entry: the game is drawn
        control::終了(g, "引き分け");
        return;
    }
    rules::手順保存(g, s.selX, s.selY, s.destX, s.destY, fromPiece, s.selPiece);
    const int captured = g.board(s.destX, s.destY);
    const bool upper = s.selPiece >= 1;
    display::描画_移動結果(g, upper ? display::kUpperMoveX : display::kLowerMoveX,
                           upper ? display::kUpperMoveY : display::kLowerMoveY, s.destX, s.destY, s.selPiece,
                           kWhite);
    if (s.stepState == 1) {
        s.stepPiece = s.selPiece;
        const bool adjacent = std::abs(s.destX - s.selX) < 2 && std::abs(s.destY - s.selY) < 2;
        if (std::abs(s.selPiece) == rules::鵺王 && adjacent) {
            s.stepPiece = s.selPiece > 0 ? rules::王 : -rules::王;
            control::移動処理_鵺(g, s.selX, s.selY, s.destX, s.destY, s.stepPiece);
            return;  // the same player makes the second step
        }
    }
    control::駒移動(g, s.selX, s.selY, s.destX, s.destY, s.selPiece);
    display::描画_移動可能桝色(g, 0, 0, kGreen, 0);
    s.stepState = 1;
    s.selection = 0;
    s.moveNumber += 1;
    display::描画_手数(g, s.moveNumber, kWhite);
    g.port.playSound(s.sounds.piece);
    engine::勢力調査_両軍(g);
    // A two-step move counts what its first step took as well.
    const int firstStepCaptured = secondStep ? g.record.captured[g.record.counter - 1] : 0;
    endOfMove(g, captured, firstStepCaptured);
}

void secondPress(Game& g, int x, int y, int button) {
    GameState& s = g.state;
    s.destX = x;
    s.destY = y;
    const bool secondStep = s.stepState == 2;
    if (secondStep && rules::移動チェック(g, s.selX, s.selY, x, y, s.stepPiece) == rules::無) {
        禁止_通知(g, "そこへ移動できません！", "2手目移動中");
        return;
    }
    const int target = g.board(x, y);
    if (forbiddenRecapture(g, target)) {
        禁止_通知(g, "すぐに鵺子を取り返せません", "禁手：先鵺子(せんしし)");
        return;
    }
    if (ownPiece(g, target)) {  // a change of selection
        select(g, x, y);
        display::描画_桝輪郭(g, kLightRed, x, y);
        return;
    }
    if (opposingPiece(g, target) && rules::移動チェック(g, s.selX, s.selY, x, y, s.selPiece) == rules::無) {
        display::描画_桝輪郭(g, kGreen, s.selX, s.selY);
        display::描画_移動可能桝色(g, x, y, s.movableColour, target);
        display::描画_桝輪郭(g, s.movableColour, x, y);
        s.selection = 0;
        return;
    }
    if (rules::移動チェック(g, s.selX, s.selY, x, y, s.selPiece) == rules::無 || !ownPiece(g, s.selPiece))
        return;
    if (rules::移動後チェック(y, s.selPiece) == rules::無 && button == kLeftButton) {
        g.port.messageBox("マウスの右をクリックして下さい", "成り", Buttons::Ok, Icon::None);
        return;
    }
    makeMove(g, button, secondStep);
}

}  // namespace

void Form_MouseDown(Game& g, int button, double x, double y) {
    if (g.state.quitRequested) return;
    ファイルパネル_非表示(g);
    if (!kifuModeQuestion(g)) return;
    if (g.state.sideToMove == 0) {
        禁止_通知(g, "「対局」で始めて下さい", "開始");
        return;
    }
    if (!notices(g)) return;
    if (!std::isfinite(x) || !std::isfinite(y) || std::abs(x) > 1e6 || std::abs(y) > 1e6) return;
    const int column = state::columnAt(x);
    const int row = state::rowAt(y);
    if (!rules::onBoard(column, row)) return;
    if (g.state.selection == 0)
        firstPress(g, column, row);
    else
        secondPress(g, column, row, button);
}

}  // namespace control
