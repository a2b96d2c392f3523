#pragma once

#include <optional>

#include "record/kept_game.h"
#include "record/kifu_format.h"
#include "state/outcome.h"

namespace record {

// What a record file of the games folder says of its game, from its header
// lines and its moves alone (the game writes no more there).
struct RecordFacts {
    int computerSide = 0;  // +1 upper, -1 lower; 0 in a game between two people
    int level = 0;         // the computer's level; 0 between two people
    int nueSide = -1;      // the side that held the Nue King: the side that moved first
    // How it ended, as far as the record tells: a royal piece taken, a side
    // left without a legal move, the record full (a draw), or, in a game over
    // when it was written, Untold (the side to move gave up or ran out of
    // time: the file does not say which).
    state::Outcome outcome;
    int moves = 0;  // a Nue King's two steps one move
    bool operator==(const RecordFacts&) const = default;
};

// The facts of a record as the game writes its games: begun from the first
// position of the side that moved first, the players named in header lines
// 2 and 3 (対局者行; a line it cannot read names a person). `finished`: the
// game was over when it was written (the games folder marks the others
// unfinished). Nothing when the moves do not play from that position.
// 例: "先手：MAN", "後手：COM LEVEL3" and moves ending in the upper side's
// capture of the Nue King give {+1, 3, -1, {UpperWins, RoyalTaken}, N}
std::optional<RecordFacts> 棋譜の事実(const Kifu& kifu, bool finished);

// The facts of a game as the game keeps it (control::保存用の対局), which
// has ended as `outcome` says (a game that goes on for one replaced while it
// ran). Against the computer the computer is the upper side; the Nue King's
// side is where the start position has it.
RecordFacts 対局の事実(const KeptGame& kept, state::Outcome outcome);

}  // namespace record
