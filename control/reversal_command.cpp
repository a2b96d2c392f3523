// 反転: the position turned about, each player taking over the other's army
// and turn, with a fresh record. A reversed game cannot be saved.
#include "control/commands.h"
#include "control/end_of_game.h"
#include "control/refusal.h"
#include "display/board_drawing.h"
#include "display/texts.h"
#include "record/board_reversal.h"
#include "state/game.h"

namespace control {

using namespace state;

namespace {

void emptyRecord(state::MoveRecord& r) {
    r.moved.fill(0);
    r.placed.fill(0);
    r.captured.fill(0);
    r.secondStep.fill(false);
    r.counter = 0;
    r.last = 0;
}

void exchangeTokens(GameState& s) {
    if (s.comToken == 1) {
        s.comToken = -1;
        s.humanToken = 1;
    } else if (s.comToken == -1) {
        s.comToken = 1;
        s.humanToken = -1;
    }
}

// Against the computer the labels stay as its games always show them.
void drawLabels(Game& g) {
    const GameState& s = g.state;
    const bool twoPlayers = s.gameKind == kTwoPlayers;
    const Text upper =
        twoPlayers ? (s.comToken == 1 ? Text::LabelFirst : Text::LabelSecond) : Text::LabelComputer;
    const Text lower =
        twoPlayers ? (s.comToken == 1 ? Text::LabelSecond : Text::LabelFirst) : Text::LabelHuman;
    display::描画_対局者(g, 5.1, upper, 5.05, lower, 6.05, 11);
    g.port.gameFacts(対局の事実(g));
}

}  // namespace

void REVERSE_Click(Game& g) {
    GameState& s = g.state;
    if (s.kifuMode) return 禁止_通知(g, Text::NotInRecordMode, Text::TitleReverse);
    if (s.stepState == 2) return 禁止_通知(g, Text::SecondStepPending, Text::TitleReverse);
    s.reversed = 1;
    s.selection = 0;
    record::盤面半回転(g.board);
    display::画面_再描画(g);
    display::描画_手数(g, s.moveNumber, kWhite);
    g.port.playSound(s.sounds.piece);
    emptyRecord(g.record);
    exchangeTokens(s);
    g.port.playSound(s.sounds.piece);
    drawLabels(g);
}

}  // namespace control
