// The game kept between runs, and set up again at the next start.
#include "control/kept_game.h"

#include <chrono>

#include "control/commands.h"
#include "control/end_of_game.h"
#include "display/board_drawing.h"
#include "display/texts.h"
#include "engine/influence.h"
#include "record/kifu_format.h"
#include "record/record_moves.h"
#include "rules/initial_position.h"
#include "state/clock.h"
#include "state/game.h"

namespace control {

using namespace state;

namespace {

// The computer's level for the player of the token, 0 for a person.
int computerLevel(const record::KeptGame& k, int token) {
    return k.gameKind == kAgainstComputer && token == -k.lowerToken ? k.level : 0;
}

record::KeptState keptState(const GameState& s) {
    if (s.sideToMove == 0) return record::KeptState::None;
    return s.kifuMode ? record::KeptState::Replaying : record::KeptState::Playing;
}

// The first step of a move not yet made whole is taken back: the Nue King
// returns to its square and the record ends before it.
void dropPendingStep(state::Board& board, state::MoveRecord& r) {
    const std::size_t k = static_cast<std::size_t>(r.counter);
    board(r.toX[k], r.toY[k]) = r.captured[k];
    board(r.fromX[k], r.fromY[k]) = r.moved[k];
    r.counter -= 1;
    r.last = r.counter;
}

// The side the record gives the move to: the other side of the move at the
// marker (the upper side's pieces are the computer token's).
int turnByRecord(const GameState& s, const state::MoveRecord& r) {
    if (r.counter == 0) return s.sideToMove;
    return r.moved[static_cast<std::size_t>(r.counter)] >= 1 ? s.humanToken : s.comToken;
}

// Each side's clock as it reads now: a side whose time runs is kept with
// what it has used of this move taken off.
std::array<record::KeptClock, 2> keptClocks(const state::GameClock* clock) {
    std::array<record::KeptClock, 2> kept{};
    if (clock == nullptr || !clock->active()) return kept;
    for (const int side : {1, -1}) {
        const std::size_t i = side > 0 ? 0 : 1;
        kept[i] = record::KeptClock{clock->control(side), clock->read(side).main};
    }
    return kept;
}

}  // namespace

record::KeptGame 保存用の対局(const Game& g) {
    const GameState& s = g.state;
    record::KeptGame k;
    k.state = keptState(s);
    k.gameKind = s.gameKind;
    k.lowerToken = s.humanToken;
    k.level = s.level;
    k.moveNumber = s.moveNumber;
    k.reversed = s.reversed != 0;
    k.teaching = s.teachingOn;
    k.music = s.bgmOn;
    k.record = g.record;
    state::Board now = g.board;
    if (s.stepState == 2 && k.record.counter >= 1) dropPendingStep(now, k.record);
    k.turn = turnByRecord(s, k.record);
    k.start = record::記録を戻した盤(now, k.record);
    if (k.state == record::KeptState::Playing) k.clocks = keptClocks(g.clock);
    return k;
}

void 対局を再開(Game& g, const record::KeptGame& kept) {
    if (kept.state == record::KeptState::None) return;
    GameState& s = g.state;
    LEVELn_Click(g, kept.level);
    if (kept.teaching != s.teachingOn) SIDOU_Click(g);
    if (kept.music != s.bgmOn) BGM_Click(g);
    s.gameKind = kept.gameKind;
    s.humanToken = kept.lowerToken;
    s.comToken = -kept.lowerToken;
    s.sideToMove = kept.turn;
    s.kifuMode = kept.state == record::KeptState::Replaying ? 1 : 0;
    s.reversed = kept.reversed ? 1 : 0;
    s.moveNumber = kept.moveNumber;
    s.selection = 0;
    s.resumeNotice = 0;
    g.record = kept.record;
    g.board = record::記録を進めた盤(kept.start, kept.record, kept.record.counter);
    engine::勢力調査_両軍(g);
    対局画面_再描画(g);
    g.port.gameFacts(対局の事実(g));
    g.port.refresh();
}

void 対局画面_再描画(Game& g) {
    const GameState& s = g.state;
    display::画面_再描画(g);
    if (s.gameKind == kAgainstComputer && !s.kifuMode) {
        display::描画_対局者(g, 5.1, Text::LabelComputer, 5.05, Text::LabelHuman, 6.05, 10);
    } else {
        // Between two people, and in a record, 先手 stands on the side that moved first.
        const bool upperFirst = s.comToken == 1;
        display::描画_対局者(g, 5.08, upperFirst ? Text::LabelFirst : Text::LabelSecond, 5.08,
                             upperFirst ? Text::LabelSecond : Text::LabelFirst, 6.08, 11);
    }
    display::描画_レベル(g, s.level);
    display::描画_手数(g, s.moveNumber, kWhite);
    // Each side's text beside the board names its last move, as after play.
    const state::MoveRecord& r = g.record;
    const int last = r.counter >= 1 ? record::手の最初(r, r.counter) : 0;
    const int before = last >= 2 ? record::手の最初(r, last - 1) : 0;
    for (const int first : {before, last}) {
        if (first < 1) continue;
        const state::Move m = record::記録の手(r, first);
        const bool upper = m.moved >= 1;
        display::描画_移動結果(g, upper ? display::kUpperMoveX : display::kLowerMoveX,
                               upper ? display::kUpperMoveY : display::kLowerMoveY, m, kWhite);
    }
}

std::array<std::string, 3> 棋譜の見出し(const record::KeptGame& k) {
    return {record::dateTimeLine(std::chrono::system_clock::now()),
            record::対局者行(true, computerLevel(k, 1)), record::対局者行(false, computerLevel(k, -1))};
}

bool 棋譜に残せる(const record::KeptGame& k) {
    if (k.state == record::KeptState::None || k.record.last == 0) return false;
    state::GameData first;
    if (record::初手の側(k.record) == 1)
        rules::初期設定_先手敵(first);
    else
        rules::初期設定_先手自(first);
    return first.board == k.start;
}

}  // namespace control
