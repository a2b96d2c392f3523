#pragma once

#include <string>

#include "cli/commands.h"
#include "record/exchange.h"
#include "record/kif_format.h"
#include "record/kifu_format.h"

namespace cli {

// Positions and moves as text on the command line: `position`, `legal` and
// `play`, over the session's game and its record.

// The side to move and the move number of the position the session's record
// starts from: `position TEXT` sets them, `start` and `board` set the start's
// (the side that moves first, move 1; the lower side after `board`), and
// `reverse` turns the side to move about. The record's moves lead on from
// there, whoever made them (`play` or `go`).
struct TurnAtStart {
    int side = -1;
    int moveNumber = 1;
};

// The session's position now: the board, the side to move after the record's
// last move, the move number grown by its moves (a Nue King's two-step move
// is one).
record::TextPosition currentPosition(const state::Game& g, const TurnAtStart& t);

// `position TEXT`: the board, side and number set and the record cleared;
// `position`: "position TEXT" with the current position.
std::string positionCommand(state::Game& g, TurnAtStart& t, const Words& w);

// `legal`: "legal N T1 T2 …", the side to move's legal moves in byte order.
std::string legalCommand(state::Game& g, const TurnAtStart& t, const Words& w);

// `play TOKEN`: the legal move recorded and played as the game plays a move.
std::string playCommand(state::Game& g, const TurnAtStart& t, const Words& w);

// The words of a refusal, for answers and messages.
// 例: positionReason({Side, UnknownSide}) == "side: b or w"
std::string positionReason(const record::PositionError& e);
std::string tokenReason(const record::TokenError& e);
std::string kifReason(const record::KifError& e);
std::string kifuReason(const record::ReadError& e);

}  // namespace cli
