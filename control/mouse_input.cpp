// The human's mouse: a press picks a piece up, a second press puts it down.
#include <cassert>
#include <cmath>
#include <cstdlib>

#include "control/commands.h"
#include "control/computer_turn.h"
#include "control/end_of_game.h"
#include "control/file_panel.h"
#include "control/game_clock.h"
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
#include "rules/position.h"
#include "state/game.h"
#include "state/geometry.h"

namespace control {

using namespace state;

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
    const Answer a =
        g.port.messageBox(Message{Text::StepWithForward}, Text::TitleRecord, Buttons::YesNo, Icon::None);
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
            g.port.messageBox(Message{s.sideToMove == 1 ? Text::FirstToMove : Text::SecondToMove},
                              Text::TitleMatch, Buttons::Ok, Icon::None);
        }
        return true;
    }
    if (s.sideToMove == s.comToken) {
        g.port.messageBox(Message{Text::IsItOk}, Text::TitleResume, Buttons::Ok, Icon::None);
        s.resumeNotice = 0;
        コンピュータの手番(g);
        return !s.quitRequested && s.sideToMove != 0;
    }
    if (s.sideToMove == s.humanToken && s.resumeNotice) {
        s.resumeNotice = 0;
        g.port.messageBox(Message{Text::HumanToMove}, Text::TitleMatch, Buttons::Ok, Icon::None);
    }
    return true;
}

// A press selects the square: a new move begins there.
void select(Game& g, int x, int y) {
    GameState& s = g.state;
    s.pending = Move{.fromX = x, .fromY = y, .moved = g.board(x, y)};
    s.pending.placed = s.pending.moved;
    display::描画_移動可能桝色(g, x, y, s.movableColour, s.pending.moved);
}

void firstPress(Game& g, int x, int y) {
    GameState& s = g.state;
    s.stepState = 1;
    if (g.board(x, y) == state::空) return;
    select(g, x, y);
    if (ownPiece(g, s.pending.moved)) {
        s.selection = 1;
        display::描画_桝輪郭(g, kLightRed, x, y);
    } else {
        display::描画_桝輪郭(g, s.movableColour, x, y);  // only shows the reach of an opposing piece
    }
}

// The move check as the player's press asks it: after the record's current
// entry, on a second step while the Nue King waits for one.
int 移動可否(Game& g, int fx, int fy, int tx, int ty, int piece) {
    return rules::移動チェック(g.board, rules::着手文脈(g.record, g.state.stepState == 2), fx, fy, tx, ty,
                               piece);
}

// 先鵺子, for the side that moves the selected piece.
bool forbiddenRecapture(const Game& g, int target) {
    return g.state.pending.moved * target < 0 && rules::先鵺子(rules::直前の記録(g.record), target);
}

// After a completed move: the end of the game, or the turn passes. Against
// the computer the human's mate of its king ends the game too; a move made
// after the mover's time ran out (`late`, its side) loses, whatever it did.
void endOfMove(Game& g, const state::Move& played, int late) {
    GameState& s = g.state;
    const bool againstComputer = s.gameKind == kAgainstComputer;
    const bool mates = againstComputer && engine::詰めかCOM(g) == state::有;
    if (終局(g, {.outOfTime = late,
                 .mover = played.side(),
                 .captured = played.captured,
                 .captured2 = played.captured2,
                 .moverMates = mates}))
        return;
    if (againstComputer)
        コンピュータの手番(g);
    else
        s.sideToMove = -s.sideToMove;
}

// The step a press to (x, y) makes from the selected square: the pending
// move's first step, or a Nue King's second; the right button promotes
// where the piece may.
Move stepTo(const Game& g, int x, int y, int button) {
    const GameState& s = g.state;
    Move step{.fromX = s.selectedX(), .fromY = s.selectedY(), .toX = x, .toY = y, .moved = s.pending.moved};
    step.placed = step.moved;
    step.captured = g.board(x, y);
    if (button == kRightButton) rules::調査_駒成(step.fromX, step.fromY, x, y, step.moved, step.placed);
    return step;
}

// The move itself, from the promotion choice on.
void makeMove(Game& g, int x, int y, int button, bool secondStep) {
    GameState& s = g.state;
    const Move step = stepTo(g, x, y, button);
    // The press checks what the position lists: a move of one step is one of its legal moves.
    assert(secondStep || rules::Position(g.board, g.record, step.side()).合法か(step));
    // No room for a 501st entry: the game is drawn.
    if (終局(g, {.recordFull = g.record.full()})) return;
    // The move as far as it has gone: a second step completes the first.
    Move played = step;
    if (secondStep) {
        played = s.pending;
        played.twoStep = true;
        played.toX2 = x;
        played.toY2 = y;
        played.placed = step.placed;
        played.captured2 = step.captured;
    }
    const bool upper = step.placed >= 1;
    display::描画_移動結果(g, upper ? display::kUpperMoveX : display::kLowerMoveX,
                           upper ? display::kUpperMoveY : display::kLowerMoveY, played, kWhite);
    s.pending = played;
    const bool adjacent = std::abs(x - step.fromX) < 2 && std::abs(y - step.fromY) < 2;
    if (!secondStep && std::abs(step.moved) == state::鵺王 && adjacent) {
        // The first step; the same player makes the second.
        rules::手順保存(g, step.fromX, step.fromY, x, y, step.moved, step.placed);
        int fx = step.fromX, fy = step.fromY;
        control::移動処理_鵺(g, fx, fy, x, y, step.moved > 0 ? state::王 : -state::王);
        return;
    }
    control::一歩を指す(g, step, secondStep);
    display::描画_移動可能桝色(g, 0, 0, kGreen, 0);
    s.stepState = 1;
    s.selection = 0;
    s.moveNumber += 1;
    display::描画_手数(g, s.moveNumber, kWhite);
    g.port.playSound(s.sounds.piece);
    engine::勢力調査_両軍(g);
    const int late = 時計_着手完了(g);
    g.port.moveCompleted();
    endOfMove(g, played, late);
}

void secondPress(Game& g, int x, int y, int button) {
    GameState& s = g.state;
    const int sx = s.selectedX(), sy = s.selectedY(), piece = s.pending.moved;
    const bool secondStep = s.stepState == 2;
    if (secondStep && 移動可否(g, sx, sy, x, y, s.steppingPiece()) == state::無) {
        禁止_通知(g, Text::CannotMoveThere, Text::TitleSecondStep);
        return;
    }
    const int target = g.board(x, y);
    if (forbiddenRecapture(g, target)) {
        禁止_通知(g, Text::NoImmediateRecapture, Text::TitleRecapture);
        return;
    }
    if (ownPiece(g, target)) {  // a change of selection
        select(g, x, y);
        display::描画_桝輪郭(g, kLightRed, x, y);
        return;
    }
    if (opposingPiece(g, target) && 移動可否(g, sx, sy, x, y, piece) == state::無) {
        display::描画_桝輪郭(g, kGreen, sx, sy);
        display::描画_移動可能桝色(g, x, y, s.movableColour, target);
        display::描画_桝輪郭(g, s.movableColour, x, y);
        s.selection = 0;
        return;
    }
    if (移動可否(g, sx, sy, x, y, piece) == state::無 || !ownPiece(g, piece)) return;
    if (rules::移動後チェック(y, piece) == state::無 && button == kLeftButton) {
        g.port.messageBox(Message{Text::UseRightButton}, Text::TitlePromotion, Buttons::Ok, Icon::None);
        return;
    }
    makeMove(g, x, y, button, secondStep);
}

}  // namespace

void Form_MouseDown(Game& g, int button, double x, double y) {
    if (g.state.quitRequested) return;
    ファイルパネル_非表示(g);
    if (!kifuModeQuestion(g)) return;
    if (g.state.sideToMove == 0) {
        禁止_通知(g, Text::StartWithMatch, Text::TitleStart);
        return;
    }
    if (!notices(g)) return;
    if (!std::isfinite(x) || !std::isfinite(y) || std::abs(x) > 1e6 || std::abs(y) > 1e6) return;
    const int column = state::columnAt(x);
    const int row = state::rowAt(y);
    if (!state::onBoard(column, row)) return;
    if (g.state.selection == 0)
        firstPress(g, column, row);
    else
        secondPress(g, column, row, button);
}

}  // namespace control
