// Games and positions passed as text: a game from any position, a position
// with no game, the game on the board as a position text and as KIF, and a
// game read from KIF loaded.
#include "control/game_exchange.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "control/computer_turn.h"
#include "control/end_of_game.h"
#include "control/game_reset.h"
#include "control/kept_game.h"
#include "control/record_load.h"
#include "engine/influence.h"
#include "record/board_reversal.h"
#include "record/kept_game.h"
#include "record/record_moves.h"
#include "rules/initial_position.h"
#include "state/game.h"

namespace control {

using namespace state;

namespace {

// An empty record, as every game start leaves it.
MoveRecord freshRecord() {
    MoveRecord r;
    r.placed[0] = 歩;
    return r;
}

// The side (+1 upper, -1 lower) of a turn token: the human's token is the lower side's.
int sideOfToken(const GameState& s, int token) { return token == s.humanToken ? -1 : 1; }

// The moves of entries 1..n, a Nue King's two steps one move.
int movesTo(const MoveRecord& r, int n) {
    int moves = 0;
    for (int k = 1; k <= n; ++k) moves += r.secondStep[static_cast<std::size_t>(k)] ? 0 : 1;
    return moves;
}

std::string withoutPrefix(const std::string& line, std::string_view prefix) {
    return line.starts_with(prefix) ? line.substr(prefix.size()) : line;
}

// Nothing picked up, no step waiting, no game running.
void clearProgress(GameState& s) {
    s.selection = 0;
    s.stepState = 0;
    s.pending = Move{};
    s.kifuMode = 0;
    s.resumeNotice = 0;
    s.moveNumber = 0;
}

Board firstPosition(int firstMover) {
    GameData d;
    if (firstMover > 0)
        rules::初期設定_先手敵(d);
    else
        rules::初期設定_先手自(d);
    return d.board;
}

}  // namespace

void 局面から対局(Game& g, const Board& board, int sideToMove, int kind, int humanSide) {
    GameState& s = g.state;
    const bool turned = kind == kAgainstComputer && humanSide > 0;
    g.board = board;
    if (turned) record::盤面半回転(g.board);
    const int side = turned ? -sideToMove : sideToMove;
    g.record = freshRecord();
    clearProgress(s);
    s.gameKind = kind;
    s.reversed = turned ? 1 : 0;
    // The side to move moves first: it holds token 1.
    s.humanToken = side < 0 ? 1 : -1;
    s.comToken = -s.humanToken;
    s.sideToMove = 1;
    engine::勢力調査_両軍(g);
    対局画面_再描画(g);
    g.port.gameBegins();
    g.port.gameFacts(対局の事実(g));
    g.port.refresh();
    if (kind == kAgainstComputer && s.sideToMove == s.comToken) return コンピュータの手番(g);
    const Text whoMoves = kind == kAgainstComputer ? Text::HumanToMove : Text::FirstToMove;
    g.port.messageBox(Message{whoMoves}, Text::TitleBlank, Buttons::Ok, Icon::None);
}

void 局面を置く(Game& g, const Board& board) {
    g.board = board;
    g.record = freshRecord();
    clearProgress(g.state);
    初期設定(g);
    g.port.gameFacts(対局の事実(g));
    g.port.playSound(g.state.sounds.piece);
}

std::optional<int> 手番の側(const Game& g) {
    const record::KeptGame k = 保存用の対局(g);
    if (k.turn == 0) return std::nullopt;
    return sideOfToken(g.state, k.turn);
}

record::TextPosition 対局の局面(const Game& g, int sideWithoutGame) {
    const record::KeptGame k = 保存用の対局(g);
    record::TextPosition p;
    p.board = record::記録を進めた盤(k.start, k.record, k.record.counter);
    p.side = k.turn == 0 ? sideWithoutGame : sideOfToken(g.state, k.turn);
    p.moveNumber = std::min(1 + movesTo(k.record, k.record.counter), record::kMaxMoveNumber);
    return p;
}

record::KifGame 対局のKIF(const Game& g) {
    const record::KeptGame k = 保存用の対局(g);
    record::KifGame kif;
    kif.start = k.start;
    kif.record = k.record;
    kif.record.counter = kif.record.last;
    if (k.record.last >= 1)
        kif.firstMover = record::初手の側(k.record);
    else
        kif.firstMover = k.turn == 0 ? -1 : sideOfToken(g.state, k.turn);
    const std::array<std::string, 3> header = 棋譜の見出し(k);
    kif.startedAt = header[0];
    if (k.state != record::KeptState::None || k.record.last >= 1) {
        std::string first = withoutPrefix(header[1], "先手："), second = withoutPrefix(header[2], "後手：");
        if (kif.firstMover > 0) std::swap(first, second);
        kif.lowerPlayer = first;
        kif.upperPlayer = second;
    }
    if (k.state == record::KeptState::Playing) kif.clocks = {k.clocks[0].control, k.clocks[1].control};
    return kif;
}

bool 記録ファイルに残せる(const Game& g) {
    const record::KeptGame k = 保存用の対局(g);
    return k.record.last == 0 || k.start == firstPosition(record::初手の側(k.record));
}

void KIFを読込(Game& g, const record::KifGame& game) {
    記録を読込(g, {game.start,
                   game.record,
                   {game.startedAt, "先手：" + (game.firstMover > 0 ? game.upperPlayer : game.lowerPlayer),
                    "後手：" + (game.firstMover > 0 ? game.lowerPlayer : game.upperPlayer)}});
}

}  // namespace control
