#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "record/safe_file.h"
#include "state/clock.h"
#include "state/game_state.h"
#include "state/move_record.h"
#include "state/outcome.h"
#include "state/pieces.h"

namespace record {

// The game in progress as the game keeps it between runs, so that the next
// start goes on where the player left. A text file in UTF-8, one fact a line
// as a key and its values, separated by spaces:
//
//   nuedori-game 1                 the format and its version: always first
//   # ...                          a comment; blank lines are ignored too
//   state playing                  playing, replaying (a loaded record) or none
//   kind computer                  computer or two-players
//   lower-token 1                  the lower side's turn token (+1 moved first)
//   turn -1                        the turn token of the side to move
//   level 3                        the computer's level, 1..8
//   move-number 1                  the move number shown beside the board
//   reversed 0                     1 after 反転 (the record then starts there)
//   teaching 0                     移動指導 on (1) or off
//   music 1                        BGM on (1) or off
//   start 1 -3 -5 -7 -9 -14 ...    row 1 of the position before entry 1:
//   ...                            nine lines "start ROW" and the codes of
//                                  columns 1..9 (the upper side positive)
//   marker 1                       entries played on the board: the replay marker
//   entry 7 7 7 6 -1 -1 0          one per record entry, in order: from column
//   entry 5 8 5 7 -14 -14 0 second and row, to column and row, placed, moved
//                                  and captured piece, as a record file's
//                                  move line; "second" marks the second step
//                                  of a Nue King's move
//   clock-lower byoyomi 600000 30000 412300
//                                  a side's clock (clock-upper or
//                                  clock-lower), when the game has one: its
//                                  kind (sudden, fischer or byoyomi), main
//                                  time, increment or byoyomi, and main time
//                                  left, in milliseconds
//   outcome lower-wins royal       how a finished game ended: who won
//                                  (lower-wins, upper-wins or draw) and why
//                                  (state::endReasonName); no line for a
//                                  game that has not ended
//
// A key it does not know is passed over, so a later game can add facts (a
// clock) that this one ignores; a later version of what it knows is refused.

enum class KeptState { None, Playing, Replaying };

// One side's clock between moves: its time control and the main time left
// (the byoyomi is whole again at every move).
struct KeptClock {
    state::TimeControl control;
    std::chrono::milliseconds left{0};
    bool operator==(const KeptClock&) const = default;
};

struct KeptGame {
    static constexpr int kVersion = 1;

    KeptState state = KeptState::None;
    int gameKind = state::kAgainstComputer;
    int lowerToken = 1;  // the human's token; the upper side's is its opposite
    int turn = 0;
    int level = 3;
    int moveNumber = 0;
    bool reversed = false;
    bool teaching = false;
    bool music = true;
    state::Board start;
    // Entries 1..last with their second-step marks, and the marker (counter).
    state::MoveRecord record;
    // The upper side's clock, then the lower side's; kind None: no clock.
    std::array<KeptClock, 2> clocks{};
    // How a finished game ended; Continues for any other.
    state::Outcome outcome;
};

// Why a kept game could not be read: the file is not there (the first run),
// cannot be read, is not such a file, was written by a later version, or
// holds a line (its 1-based number) that is not right or a record that does
// not play on its position.
struct KeptGameError {
    enum class Kind { Missing, Unreadable, NotAGame, LaterVersion, BadLine, BadRecord };
    Kind kind = Kind::Unreadable;
    int line = 0;
    bool operator==(const KeptGameError&) const = default;
};

using KeptGameRead = std::variant<KeptGame, KeptGameError>;

// The file's text, as above.
std::string keptGameText(const KeptGame& game);

// Reads the whole text before answering: either every fact is good and the
// record plays on its start position, or the first fault is named.
KeptGameRead parseKeptGame(std::string_view text);

// parseKeptGame over the file; Missing when there is no such file.
KeptGameRead readKeptGame(const std::filesystem::path& file);

// Writes the file as saveFile does: whole or not at all.
std::optional<SaveError> saveKeptGame(const KeptGame& game, const std::filesystem::path& file);

// ---- The position and the record ----

// The board after entries 1..upto played on `start`: each empties its
// source and puts its placed piece on its destination.
state::Board 記録を進めた盤(state::Board start, const state::MoveRecord& r, int upto);

// The board before entry 1, from the board after entries 1..r.counter: each
// entry taken back, the captured piece returned and the mover unpromoted.
state::Board 記録を戻した盤(state::Board now, const state::MoveRecord& r);

// Whether entries 1..r.last play on `start`: each moves the piece that stands
// on its source and takes what stands on its destination, and every second
// step follows the first step of the same Nue King.
bool 記録が盤に合う(const state::Board& start, const state::MoveRecord& r);

}  // namespace record
