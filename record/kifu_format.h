#pragma once

#include <array>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "record/safe_file.h"
#include "state/move.h"
#include "state/move_record.h"

namespace record {

// The kifu file: three header lines of free text, then one move line of 17
// fixed columns per recorded move, entry 1 first. Written in UTF-8 with CR LF
// after every line; read from LF or CR LF files with UTF-8 or Shift_JIS
// header lines.

// One move line is one record entry: a move without a second step. Its
// seven values stand in the order of the line's columns: source column and
// row, destination column and row (1..9), placed piece (after any
// promotion), moved piece (as it stood on the source), captured piece (0 for
// none).
// 例: 記録行(7, 7, 7, 6, -1, -1, 0) is the lower pawn (7, 7) -> (7, 6)
constexpr state::Move 記録行(int fromX, int fromY, int toX, int toY, int placed, int moved, int captured) {
    return state::Move{fromX, fromY, toX, toY, false, 0, 0, moved, placed, captured, 0};
}

// A game record as it stands in a file. Header lines are UTF-8 without line ends.
struct Kifu {
    static constexpr int kMaxEntries = state::MoveRecord::kCapacity;  // 500

    std::array<std::string, 3> header;
    std::vector<state::Move> entries;  // one per move line, at most kMaxEntries

    bool operator==(const Kifu&) const = default;
};

// Why a file was refused. `line` is the 1-based line number in the file of the
// first bad line (kind kBadLine); it is 0 for the other kinds.
struct ReadError {
    enum class Kind { kBadLine, kNoMoveLine, kUnreadable };

    Kind kind = Kind::kBadLine;
    int line = 0;

    bool operator==(const ReadError&) const = default;
};

using ReadResult = std::variant<Kifu, ReadError>;

// ---- Writing ----

// The 17-character move line: each value left-aligned and space-padded to the
// widths 2, 2, 2, 2, 3, 3, 3, a minus sign for negatives, never a plus sign.
// 例: moveLine(記録行(7, 7, 7, 6, -1, -1, 0)) == "7 7 7 6 -1 -1 0  "
std::string moveLine(const state::Move& entry);

// The whole file: the three header lines, then the move lines, CR LF after
// each. A control character in a header line is written as a space, so the
// line stays one line of text.
std::string kifuText(const Kifu& kifu);

// The first header line: the date and time of saving.
// 例: 2024-05-01 09:05:03 gives "2024/05/01 09:05:03"
std::string dateTimeLine(const std::tm& local);
std::string dateTimeLine(std::chrono::system_clock::time_point when);  // in local time

// The second and third header lines as the game writes them: who moved
// first and who second, a person (MAN) or the computer at its level.
// 例: 対局者行(true, 0) == "先手：MAN", 対局者行(false, 3) == "後手：COM LEVEL3"
std::string 対局者行(bool first, int computerLevel);

// The player a header line names, when the game wrote it so.
struct HeaderPlayer {
    bool first = true;      // 先手 (the side that moved first) or 後手
    int computerLevel = 0;  // 0 for a person
};
std::optional<HeaderPlayer> 見出しの対局者(std::string_view line);

// Writes the file at `target`, replacing any file of that name, as saveFile
// writes: never half-written.
std::optional<SaveError> saveKifu(const Kifu& kifu, const std::filesystem::path& target);

// ---- Reading ----

// Columns and rows 1..9; moved and placed piece -15..-1 or 1..15, of one
// sign; captured piece -15..15, of the other sign or 0.
bool isValidEntry(const state::Move& entry);

// Checks the whole text before returning anything: either every line is good
// and the record comes back whole, or the first bad line is named.
ReadResult parseKifu(std::string_view bytes);

// parseKifu over the file's bytes; kUnreadable when it cannot be read.
ReadResult readKifuFile(const std::filesystem::path& path);

// ---- The game's move record ----

// Entries 1..last of the record, behind the given header lines.
Kifu kifuFromRecord(const state::MoveRecord& moves, std::array<std::string, 3> header);

// A record as a loaded game starts replay from it: entries 1..n from the kifu,
// last = n, counter 0, and entry 0's placed piece +1 as after a game start.
// The file holds entries only; the Nue King's two-step moves are found again
// as 二手目を読む finds them.
state::MoveRecord recordFromKifu(const Kifu& kifu);

}  // namespace record
