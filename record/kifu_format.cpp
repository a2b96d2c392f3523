#include "record/kifu_format.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <utility>

#include <iconv.h>

#include "record/record_moves.h"
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
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

using Fields = std::array<int, 7>;

Fields fieldsOf(const state::Move& e) {
    return {e.fromX, e.fromY, e.toX, e.toY, e.placed, e.moved, e.captured};
}

state::Move entryOf(const Fields& f) { return 記録行(f[0], f[1], f[2], f[3], f[4], f[5], f[6]); }

// ---- Text of the header lines ----

// The well-formed UTF-8 sequences: the range of the lead byte, the length, and
// the range of the byte after the lead (the bytes after that are 80..BF). The
// narrow second ranges keep out overlong forms, surrogates and codes above
// U+10FFFF.
struct Utf8Form {
    unsigned char leadLow, leadHigh;
    std::size_t length;
    unsigned char nextLow, nextHigh;
};
constexpr std::array<Utf8Form, 9> kUtf8Forms{{
    {0x00, 0x7F, 1, 0x00, 0x00},
    {0xC2, 0xDF, 2, 0x80, 0xBF},
    {0xE0, 0xE0, 3, 0xA0, 0xBF},
    {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F},
    {0xEE, 0xEF, 3, 0x80, 0xBF},
    {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF},
    {0xF4, 0xF4, 4, 0x80, 0x8F},
}};

unsigned char byteAt(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }

bool inRange(unsigned char b, unsigned char low, unsigned char high) { return low <= b && b <= high; }

// The length of the UTF-8 character that starts at s[i], 0 when none does.
std::size_t utf8Length(std::string_view s, std::size_t i) {
    const auto form = std::find_if(kUtf8Forms.begin(), kUtf8Forms.end(), [&](const Utf8Form& f) {
        return inRange(byteAt(s, i), f.leadLow, f.leadHigh);
    });
    if (form == kUtf8Forms.end() || i + form->length > s.size()) return 0;
    if (form->length > 1 && !inRange(byteAt(s, i + 1), form->nextLow, form->nextHigh)) return 0;
    for (std::size_t k = 2; k < form->length; ++k)
        if (!inRange(byteAt(s, i + k), 0x80, 0xBF)) return 0;
    return form->length;
}

// Control characters are not text: C0 except tab, DEL, and C1 (U+0080..U+009F,
// written C2 80..C2 9F).
bool isControlCharacter(std::string_view ch) {
    const unsigned char b = byteAt(ch, 0);
    if (ch.size() == 1) return (b < 0x20 && b != '\t') || b == 0x7F;
    return ch.size() == 2 && b == 0xC2 && byteAt(ch, 1) < 0xA0;
}

bool isUtf8Text(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = utf8Length(s, i);
        if (n == 0 || isControlCharacter(s.substr(i, n))) return false;
        i += n;
    }
    return true;
}

// Shift_JIS as the Japanese code page of Windows writes it, to UTF-8; nothing
// when the bytes are not a whole Shift_JIS text. The one use of iconv.
std::optional<std::string> shiftJisToUtf8(std::string_view bytes) {
    const iconv_t converter = iconv_open("UTF-8", "CP932");
    if (converter == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    std::string in(bytes);
    std::string out(bytes.size() * 3, '\0');  // one Shift_JIS byte gives at most three
    char* from = in.data();
    std::size_t fromLeft = in.size();
    char* to = out.data();
    std::size_t toLeft = out.size();
    const std::size_t result = iconv(converter, &from, &fromLeft, &to, &toLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1) || fromLeft != 0) return std::nullopt;
    out.resize(out.size() - toLeft);
    return out;
}

// A header line as UTF-8 for display, or nothing when it is not text in
// either encoding. UTF-8 is tried first: a line of plain ASCII is both.
std::optional<std::string> headerText(std::string_view raw) {
    if (isUtf8Text(raw)) return std::string(raw);
    std::optional<std::string> converted = shiftJisToUtf8(raw);
    if (converted && isUtf8Text(*converted)) return converted;
    return std::nullopt;
}

// The header line as written: one line of UTF-8 text whatever the game
// passed, so that every saved file loads again.
std::string writableHeader(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = utf8Length(text, i);
        const std::string_view ch = text.substr(i, std::max<std::size_t>(n, 1));
        if (n == 0)
            out += '?';
        else if (isControlCharacter(ch))
            out += ' ';
        else
            out += ch;
        i += ch.size();
    }
    return out;
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

// The lines without their ends (LF or CR LF). A line end after the last line
// starts no further line; a byte-order mark before the first is dropped.
std::vector<std::string_view> splitLines(std::string_view bytes) {
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (end != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    return lines;
}

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
    for (const std::string& line : kifu.header) (text += writableHeader(line)) += kLineEnd;
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
