#pragma once

#include <vector>

#include "rules/game_end.h"
#include "rules/move_check.h"
#include "state/move.h"
#include "state/move_record.h"
#include "state/pieces.h"

namespace rules {

// A position to ask, as a board that owns its rules: the squares, the
// record of the moves that led to it (the rules read its last entries), and
// the side to move. It lists the legal moves, plays one, and says
// how the game stands; whoever shows a game (the window, the command line,
// self-play) asks it and decides none of these itself.
class Position {
public:
    Position() = default;
    // The game at its record's current entry, `side` (+1 upper, -1 lower) to move.
    Position(const state::Board& board, const state::MoveRecord& record, int side);

    const state::Board& board() const { return board_; }
    const state::MoveRecord& record() const { return record_; }
    int side() const { return side_; }
    int entries() const { return record_.counter; }

    // Every legal move of the side to move, in scan order: sources column by
    // column, each column top to bottom, and their destinations alike. Where
    // a piece may promote, the promoted move comes first, and the unpromoted
    // one follows where the piece could still move. A Nue King's step to a
    // neighbour is a move of its own (the computer may stop there), followed
    // by every two-step move through that square, its second step a king
    // step the move check allows (back to the start included). Each move
    // carries what it takes.
    // 例: the human-first position gives the upper side's army 30 moves
    std::vector<state::Move> 合法手() const;

    // The legal moves of the piece on (x, y) alone, in the order 合法手 lists
    // them; none when no piece of the side to move stands there. A reader
    // of one move asks this rather than the whole list.
    std::vector<state::Move> 合法手(int x, int y) const;

    // Whether the move is one of 合法手's.
    bool 合法か(const state::Move& m) const;

    // Plays a move of the side to move (as 合法手 lists them): recorded and
    // made as the game records and makes its own (rules::手順保存, 盤面移動),
    // then the other side is to move.
    void 着手(const state::Move& m);

    // How the game stands: the last move took a royal piece, the side to
    // move has no legal move, or the record has no room for another entry.
    state::Outcome 結果() const;

private:
    void addMovesFrom(state::Board& b, int x, int y, std::vector<state::Move>& out) const;

    state::Board board_;
    state::MoveRecord record_;  // up to the position: its end is its counter
    int side_ = -1;
};

}  // namespace rules
