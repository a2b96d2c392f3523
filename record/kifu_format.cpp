#include "record/kifu_format.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <utility>

#include "record/record_moves.h"
#include "record/text_encoding.h"
#include "state/pieces.h"

namespace record {

using namespace state;

namespace {

namespace fs = std::filesystem;

// A move line: seven fields, no separators, 17 characters in all.
constexpr std::array<std::size_t, 7> kFieldWidths{2, 2, 2, 2, 3, 3, 3};
constexpr std::size_t kMoveLineLength = 17;
constexpr std::size_t kHeaderLines = 3;
constexpr std::string_view kLineEnd = "\r\n";

using Fields = std::array<int, 7>;

Fields fieldsOf(const state::Move& e) {
    return {e.fromX, e.fromY, e.toX, e.toY, e.placed, e.moved, e.captured};
}

state::Move entryOf(const Fields& f) { return 記録行(f[0], f[1], f[2], f[3], f[4], f[5], f[6]); }

// ---- Text of the header lines ----

// A header line as UTF-8 for display, or nothing when it is not text in
// either encoding. UTF-8 is tried first: a line of plain ASCII is both.
std::optional<std::string> headerText(std::string_view raw) {
    if (isUtf8Text(raw)) return std::string(raw);
    std::optional<std::string> converted = shiftJisToUtf8(raw);
    if (converted && isUtf8Text(*converted)) return converted;
    return std::nullopt;
}

// ---- Move lines ----

std::string fieldText(int value, std::size_t width) {
    std::string text = std::to_string(value);
    assert(text.size() <= width && "a value of the move record does not fit its column");
    text.resize(width, ' ');
    return text;
}

// Spaces, an optional minus sign, digits, spaces: nothing else. from_chars
// takes exactly the sign and digits (no plus sign, no blanks, no fraction).
std::optional<int> parseField(std::string_view field) {
    const std::size_t first = field.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    const std::string_view number = field.substr(first, field.find_last_not_of(' ') + 1 - first);
    int value = 0;
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    if (error != std::errc{} || stop != end) return std::nullopt;
    return value;
}

// Editors strip trailing blanks, so a short line reads as if padded with spaces.
std::optional<state::Move> parseMoveLine(std::string_view line) {
    if (line.size() > kMoveLineLength) return std::nullopt;
    std::string padded(line);
    padded.resize(kMoveLineLength, ' ');
    Fields values{};
    std::size_t column = 0;
    for (std::size_t f = 0; f < kFieldWidths.size(); ++f) {
        const std::optional<int> value = parseField(std::string_view(padded).substr(column, kFieldWidths[f]));
        if (!value) return std::nullopt;
        values[f] = *value;
        column += kFieldWidths[f];
    }
    const state::Move entry = entryOf(values);
    if (!isValidEntry(entry)) return std::nullopt;
    return entry;
}

bool onBoard(int coordinate) { return 1 <= coordinate && coordinate <= 9; }

bool isBlank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

// ---- The file as lines ----

ReadError badLine(std::size_t index) { return {ReadError::Kind::kBadLine, static_cast<int>(index + 1)}; }

std::optional<ReadError> readHeader(const std::vector<std::string_view>& lines, Kifu& kifu) {
    for (std::size_t i = 0; i < std::min(lines.size(), kHeaderLines); ++i) {
        std::optional<std::string> text = headerText(lines[i]);
        if (!text) return badLine(i);
        kifu.header[i] = std::move(*text);
    }
    return std::nullopt;
}

// Blank lines after the last move line are ignored; every line before it,
// blank or not, must be a move line, and there are at most 500 of them.
std::optional<ReadError> readMoveLines(const std::vector<std::string_view>& lines, Kifu& kifu) {
    std::size_t end = lines.size();
    while (end > kHeaderLines && isBlank(lines[end - 1])) --end;
    if (end <= kHeaderLines) return ReadError{ReadError::Kind::kNoMoveLine, 0};
    for (std::size_t i = kHeaderLines; i < end; ++i) {
        const std::optional<state::Move> entry = parseMoveLine(lines[i]);
        if (!entry || kifu.entries.size() == static_cast<std::size_t>(Kifu::kMaxEntries)) return badLine(i);
        kifu.entries.push_back(*entry);
    }
    return std::nullopt;
}

// ---- Files ----

// A record of 500 moves is under 10 KB; a file far beyond that is no record,
// and reading it whole could take all the memory there is.
constexpr std::size_t kMaxFileBytes = 1 << 20;

}  // namespace

// ---- Writing ----

std::string moveLine(const state::Move& entry) {
    const Fields values = fieldsOf(entry);
    std::string line;
    for (std::size_t f = 0; f < values.size(); ++f) line += fieldText(values[f], kFieldWidths[f]);
    return line;
}

std::string kifuText(const Kifu& kifu) {
    assert(kifu.entries.size() <= static_cast<std::size_t>(Kifu::kMaxEntries));
    std::string text;
    for (const std::string& line : kifu.header) (text += writableLine(line)) += kLineEnd;
    for (const state::Move& entry : kifu.entries) (text += moveLine(entry)) += kLineEnd;
    return text;
}

std::string dateTimeLine(const std::tm& local) {
    std::array<char, 64> text{};
    const std::size_t length = std::strftime(text.data(), text.size(), "%Y/%m/%d %H:%M:%S", &local);
    return std::string(text.data(), length);
}

std::string dateTimeLine(std::chrono::system_clock::time_point when) {
    const std::time_t seconds = std::chrono::system_clock::to_time_t(when);
    const std::tm* local = std::localtime(&seconds);
    return local ? dateTimeLine(*local) : std::string();
}

std::optional<SaveError> saveKifu(const Kifu& kifu, const fs::path& target) {
    return saveFile(kifuText(kifu), target);
}

// ---- Reading ----

bool isValidEntry(const state::Move& e) {
    if (!onBoard(e.fromX) || !onBoard(e.fromY) || !onBoard(e.toX) || !onBoard(e.toY)) return false;
    if (!state::isPieceCode(e.moved) || !state::isPieceCode(e.placed)) return false;
    if (state::isUpper(e.moved) != state::isUpper(e.placed)) return false;
    if (e.captured == state::空) return true;
    return state::isPieceCode(e.captured) && state::isUpper(e.captured) != state::isUpper(e.moved);
}

ReadResult parseKifu(std::string_view bytes) {
    const std::vector<std::string_view> lines = splitLines(bytes);
    Kifu kifu;
    if (std::optional<ReadError> error = readHeader(lines, kifu)) return *error;
    if (std::optional<ReadError> error = readMoveLines(lines, kifu)) return *error;
    return kifu;
}

ReadResult readKifuFile(const fs::path& path) {
    const std::optional<std::string> bytes = readSmallFile(path, kMaxFileBytes);
    if (!bytes) return ReadError{ReadError::Kind::kUnreadable, 0};
    return parseKifu(*bytes);
}

// ---- The players in the header ----

namespace {
constexpr std::string_view kFirst = "先手：", kSecond = "後手：", kHuman = "MAN", kComputer = "COM LEVEL";
}  // namespace

std::string 対局者行(bool first, int computerLevel) {
    std::string line(first ? kFirst : kSecond);
    if (computerLevel == 0) return line += kHuman;
    return (line += kComputer) += std::to_string(computerLevel);
}

std::optional<HeaderPlayer> 見出しの対局者(std::string_view line) {
    HeaderPlayer p;
    p.first = line.starts_with(kFirst);
    if (!p.first && !line.starts_with(kSecond)) return std::nullopt;
    line.remove_prefix(p.first ? kFirst.size() : kSecond.size());
    if (line == kHuman) return p;
    if (!line.starts_with(kComputer)) return std::nullopt;
    line.remove_prefix(kComputer.size());
    int level = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), level);
    if (error != std::errc() || end != line.data() + line.size() || level < 1) return std::nullopt;
    p.computerLevel = level;
    return p;
}

// ---- The game's move record ----

Kifu kifuFromRecord(const state::MoveRecord& r, std::array<std::string, 3> header) {
    assert(0 <= r.last && r.last <= state::MoveRecord::kCapacity);
    Kifu kifu{std::move(header), {}};
    for (int k = 1; k <= r.last; ++k) kifu.entries.push_back(記録の項(r, k));
    return kifu;
}

state::MoveRecord recordFromKifu(const Kifu& kifu) {
    assert(kifu.entries.size() <= static_cast<std::size_t>(Kifu::kMaxEntries));
    state::MoveRecord r;
    r.placed[0] = 1;  // entry 0 after a game start: the recapture rule reads it
    for (std::size_t i = 0; i < kifu.entries.size(); ++i)
        記録の項に書く(r, static_cast<int>(i) + 1, kifu.entries[i]);
    r.last = static_cast<int>(kifu.entries.size());
    r.counter = 0;
    二手目を読む(r);
    return r;
}

}  // namespace record
