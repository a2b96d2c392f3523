#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "record/exchange.h"
#include "record/kifu_format.h"
#include "state/clock.h"
#include "state/move_record.h"
#include "state/pieces.h"

namespace record {

// KIF, the text in which shogi players keep and pass on their games, for
// this game: a header of facts, the start position as a board diagram, one
// numbered line a move, and a line saying how the game ended. Written as
// UTF-8 (.kifu) or Shift_JIS (.kif) with CR LF line ends; docs/formats.md
// holds the whole dialect with an example.
//
// As in the position text, 先手 is the lower side and 後手 the upper side,
// whichever moves first: the diagram marks 後手's pieces with v, and says
// 後手番 when the upper side moves first (the Nue King above). The game's own
// record file names the side that moved first 先手; the conversions below
// put the names where they belong.
//
// A move line: its number, then the destination (同 where the previous move
// ended), the piece as it stood, 成 or 不成, and the source as two digits.
// A Nue King's two steps are one line, its two squares joined by ・ as the
// move list writes them:
//
//      1 ５八・５七鵺王(59)
//      2 同　歩(53)
//      3 ２二角成(88)

// How the game ended beyond what its moves show: the side to move after the
// last move resigned, or lost on time. With AsPlayed the moves tell it (a
// royal piece taken, a side without a move, a full record) or the game goes
// on. A record that has already ended its game ends AsPlayed whatever is asked.
enum class KifEnd { AsPlayed, Resigned, OutOfTime };

// A game as KIF holds it.
struct KifGame {
    std::string startedAt;    // 開始日時, as written (the game writes "2024/05/01 09:05:03"); empty: none
    std::string lowerPlayer;  // 先手
    std::string upperPlayer;  // 後手
    // The upper side's time control, then the lower side's; kind None: no clock.
    std::array<state::TimeControl, 2> clocks{};
    state::Board start;
    int firstMover = -1;  // the side that moves first from `start`: -1 lower (先手番), +1 upper (後手番)
    // Entries 1..last played from `start` as the game records them (a Nue
    // King's second step marked), counter == last; entry 0's placed piece +1.
    state::MoveRecord record;
    KifEnd end = KifEnd::AsPlayed;
    // Comments as * lines: [0] before the first move, [i] after move i (a
    // Nue King's two-step move is one move); the lines of one joined by '\n'.
    // A review's grades and better moves go here.
    std::vector<std::string> comments;
};

// ---- Writing ----

enum class KifEncoding { Utf8, ShiftJis };

// The whole text in UTF-8.
// 例: a game of one move begins "#KIF version=2.0 encoding=UTF-8\r\n" and has
// the line "   1 ５八鵺王(59)\r\n"
std::string kifText(const KifGame& game);

// The file's bytes in the encoding; nothing when a name or comment holds a
// character Shift_JIS cannot write.
std::optional<std::string> kifBytes(const KifGame& game, KifEncoding encoding);

// ---- Reading ----

// Why a KIF text was refused; `line` is the 1-based line at fault (0: the
// file as a whole).
enum class KifRefusal {
    Unreadable,      // the file cannot be read, or is far larger than any record
    Encoding,        // a line that is neither UTF-8 nor Shift_JIS text
    UnknownLine,     // a line that is no part of a KIF record of this game
    UnknownHeader,   // a header this reader does not know
    RepeatedHeader,  // a header given a second time
    Handicap,        // 手合割 other than その他
    Variant,         // 変則 other than 鵺王
    TimeControl,     // 持ち時間 that is not a time control of the game
    PiecesInHand,    // a 持駒 line other than なし: this game has no drops
    Board,           // a line of the board diagram out of shape
    NoBoard,         // no board diagram before the moves
    MoveNumber,      // a move line whose number is not the next move's
    MoveText,        // a move not written as a KIF move of this game
    WrongPiece,      // the piece named is not the one on the source square
    IllegalMove,     // the rules do not allow the move there: `move` says why
    RecordFull,      // more moves than the game's record holds
    AfterEnd,        // a move after the game had ended
    EndLine          // a まで line that is not how this game ended
};

struct KifError {
    KifRefusal refusal = KifRefusal::UnknownLine;
    int line = 0;
    TokenRefusal move = TokenRefusal::CannotReach;  // for IllegalMove
    bool operator==(const KifError&) const = default;
};

using KifRead = std::variant<KifGame, KifError>;

// Reads UTF-8 (with or without a byte-order mark) or Shift_JIS, LF or CR LF;
// * comment lines, # lines and blank lines anywhere. Every move is checked
// by the rules from the diagram's position. Either the whole game comes
// back, or the first fault.
KifRead parseKif(std::string_view bytes);

// parseKif over a file's bytes; Unreadable when it cannot be read.
KifRead readKifFile(const std::filesystem::path& path);

// ---- The game's own record file ----

// The game of a record file: from the start position of its first mover,
// the players named by its header lines (less their 先手：/後手： where
// written), the date line as 開始日時.
KifGame kifFromKifu(const Kifu& kifu);

// Why a game cannot be a record file: the file holds moves only, from the
// start position of the side that moves first.
enum class KifuRefusal { NoMoves, NotTheStart };

// The record file of a game: the date line from 開始日時 (empty when there
// is none), 先手：/後手： lines naming the side that moved first and the other.
std::variant<Kifu, KifuRefusal> kifuFromKif(const KifGame& game);

}  // namespace record
