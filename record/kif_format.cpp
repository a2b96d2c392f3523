#include "record/kif_format.h"

#include <algorithm>
#include <utility>

#include "record/kept_game.h"
#include "record/notation.h"
#include "record/record_moves.h"
#include "record/safe_file.h"
#include "record/text_encoding.h"
#include "rules/initial_position.h"
#include "rules/move_execution.h"
#include "rules/promotion_zone.h"
#include "state/game_data.h"

namespace record {

using namespace state;

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kColon = "：";
constexpr std::string_view kWideSpace = "　";
constexpr std::string_view kJoin = "・";  // a Nue King's two squares, as the move list joins them
constexpr std::string_view kEmptySquare = "・";
constexpr std::string_view kSame = "同";
constexpr std::string_view kColumns = "  ９ ８ ７ ６ ５ ４ ３ ２ １";
constexpr std::string_view kBorder = "+---------------------------+";
constexpr std::string_view kMovesHeader = "手数----指手---------消費時間--";
constexpr std::string_view kOther = "その他", kVariant = "鵺王", kNone = "なし";
constexpr std::string_view kLowerFirst = "先手番", kUpperFirst = "後手番";
constexpr std::string_view kResigned = "投了", kOutOfTime = "切れ負け";
constexpr std::string_view kPromote = "成", kDecline = "不成";

// A record is under 40 KB even with a comment on every move.
constexpr std::size_t kMaxFileBytes = 1 << 20;

// The headers, in the order they are written.
enum class Header { StartedAt, Handicap, Variant, Lower, Upper, Clock, UpperHand, LowerHand, Count };
constexpr std::array<std::string_view, static_cast<std::size_t>(Header::Count)> kHeaderKeys{
    "開始日時", "手合割", "変則", "先手", "後手", "持ち時間", "後手の持駒", "先手の持駒"};

struct Named {
    std::string_view name;
    int kind;
};
// A piece in the diagram is one character; the first name of a kind is the
// one written, the others are read as KIF files from elsewhere write them.
constexpr std::array<Named, 17> kDiagramPieces{{{"歩", 1},
                                                {"と", 2},
                                                {"香", 3},
                                                {"杏", 4},
                                                {"桂", 5},
                                                {"圭", 6},
                                                {"銀", 7},
                                                {"全", 8},
                                                {"金", 9},
                                                {"飛", 10},
                                                {"龍", 11},
                                                {"竜", 11},
                                                {"角", 12},
                                                {"馬", 13},
                                                {"鵺", 14},
                                                {"王", 15},
                                                {"玉", 15}}};
// A piece in a move line: the names a listener knows (record/notation.h),
// the longest first, and the one-character forms of other writers.
constexpr std::array<Named, 20> kMovePieces{
    {{"鵺王", 14}, {"成香", 4}, {"成桂", 6}, {"成銀", 8}, {"歩", 1},  {"と", 2}, {"香", 3},
     {"杏", 4},    {"桂", 5},   {"圭", 6},   {"銀", 7},   {"全", 8},  {"金", 9}, {"飛", 10},
     {"龍", 11},   {"竜", 11},  {"角", 12},  {"馬", 13},  {"王", 15}, {"玉", 15}}};

std::string_view sideName(int side) { return side > 0 ? "後手" : "先手"; }

bool consume(std::string_view& s, std::string_view prefix) {
    if (!s.starts_with(prefix)) return false;
    s.remove_prefix(prefix.size());
    return true;
}

std::string_view trimmed(std::string_view s) {
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t") + 1 - first);
}

// A whole number of at most four digits at the front of s, consumed.
std::optional<int> consumeNumber(std::string_view& s) {
    std::size_t n = 0;
    while (n < s.size() && n < 5 && '0' <= s[n] && s[n] <= '9') ++n;
    if (n == 0 || n > 4) return std::nullopt;
    int value = 0;
    for (std::size_t i = 0; i < n; ++i) value = value * 10 + (s[i] - '0');
    s.remove_prefix(n);
    return value;
}

template <std::size_t N>
std::optional<int> consumeName(std::string_view& s, const std::array<Named, N>& names) {
    for (const Named& n : names)
        if (consume(s, n.name)) return n.kind;
    return std::nullopt;
}

template <std::size_t N>
std::string_view nameOf(int kind, const std::array<Named, N>& names) {
    for (const Named& n : names)
        if (n.kind == kind) return n.name;
    return {};
}

// ---- Clocks: 持ち時間 ----

std::string clockText(const state::TimeControl& c) {
    const std::string minutes = std::to_string(c.main.count() / 60000) + "分";
    const std::string seconds = std::to_string(c.perMove.count() / 1000);
    switch (c.kind) {
        case state::ClockKind::None: return std::string(kNone);
        case state::ClockKind::SuddenDeath: return minutes + "切れ負け";
        case state::ClockKind::Fischer: return minutes + "＋" + seconds + "秒加算";
        case state::ClockKind::Byoyomi: return minutes + "＋秒読み" + seconds + "秒";
    }
    return std::string(kNone);
}

// Both sides alike, or 先手's (the lower side's) then 後手's.
std::string clocksText(const std::array<state::TimeControl, 2>& c) {
    if (c[0] == c[1]) return clockText(c[0]);
    return "先手" + clockText(c[1]) + "、後手" + clockText(c[0]);
}

// One side's 持ち時間, checked as the game's time controls are.
std::optional<state::TimeControl> readClock(std::string_view s) {
    if (s == kNone) return state::TimeControl{};
    const std::optional<int> minutes = consumeNumber(s);
    if (!minutes || !consume(s, "分")) return std::nullopt;
    std::string name;
    if (s == "切れ負け") {
        name = "sudden:" + std::to_string(*minutes);
    } else {
        const bool byoyomi = consume(s, "＋秒読み");
        if (!byoyomi && !consume(s, "＋")) return std::nullopt;
        const std::optional<int> seconds = consumeNumber(s);
        if (!seconds || s != (byoyomi ? "秒" : "秒加算")) return std::nullopt;
        name =
            (byoyomi ? "byoyomi:" : "fischer:") + std::to_string(*minutes) + ":" + std::to_string(*seconds);
    }
    return state::timeControlNamed(name);
}

std::optional<std::array<state::TimeControl, 2>> readClocks(std::string_view s) {
    if (!consume(s, "先手")) {
        const auto both = readClock(s);
        if (!both) return std::nullopt;
        return std::array<state::TimeControl, 2>{*both, *both};
    }
    const std::size_t split = s.find("、後手");
    if (split == std::string_view::npos) return std::nullopt;
    const auto lower = readClock(s.substr(0, split));
    const auto upper = readClock(s.substr(split + std::string_view("、後手").size()));
    if (!lower || !upper) return std::nullopt;
    return std::array<state::TimeControl, 2>{*upper, *lower};
}

// ---- Moves ----

// The destination as a move line writes it: 同 where the previous move ended.
std::string destination(int x, int y, Square previous, bool twoStep) {
    if (Square{x, y} != previous) return 升目名(x, y);
    return twoStep ? std::string(kSame) : std::string(kSame) + std::string(kWideSpace);
}

std::string moveText(const state::Move& m, Square previous) {
    std::string text = destination(m.toX, m.toY, previous, m.twoStep);
    if (m.twoStep) (text += kJoin) += destination(m.toX2, m.toY2, previous, true);
    text += 駒の呼び名(m.moved);
    if (m.promotes())
        text += kPromote;
    else if (rules::成れる(m.fromY, m.toY, m.moved))
        text += kDecline;
    // The source as two digits: its file and its rank.
    ((text += '(') += static_cast<char>('0' + 10 - m.fromX)) += static_cast<char>('0' + m.fromY);
    return text += ')';
}

std::string numbered(int number, std::string_view text) {
    std::string head = std::to_string(number);
    head.insert(0, head.size() < 4 ? 4 - head.size() : 0, ' ');
    return (head += ' ') += text;
}

// ---- The end of the game ----

struct Ending {
    std::string_view move;  // 投了 or 切れ負け, or nothing
    std::string line;       // the まで line
};

Ending endingOf(int moves, int toMove, state::Outcome o, KifEnd end) {
    const std::string head = "まで" + std::to_string(moves) + "手で";
    if (o == state::Outcome::Continues && end == KifEnd::Resigned)
        return {kResigned, head + std::string(sideName(-toMove)) + "の勝ち"};
    if (o == state::Outcome::Continues && end == KifEnd::OutOfTime)
        return {kOutOfTime, head + "時間切れにより" + std::string(sideName(-toMove)) + "の勝ち"};
    switch (o.result) {
        case state::Outcome::UpperWins: return {{}, head + "後手の勝ち"};
        case state::Outcome::LowerWins: return {{}, head + "先手の勝ち"};
        case state::Outcome::Draw: return {{}, head + "引き分け"};
        case state::Outcome::Continues: break;
    }
    return {{}, head + "中断"};
}

// The game's record played on, as the game records a move: both steps of a
// Nue King's two-step move, the second marked as such.
void playOn(state::GameData& d, const state::Move& m) { rules::手を記録して指す(d.board, d.record, m); }

state::MoveRecord freshRecord() {
    state::MoveRecord r;
    r.placed[0] = 1;  // as every game start leaves entry 0
    return r;
}

// ---- Writing ----

void appendLine(std::string& out, std::string_view line) { (out += line) += kLineEnd; }

void appendHeader(std::string& out, Header h, std::string_view value) {
    std::string line(kHeaderKeys[static_cast<std::size_t>(h)]);
    appendLine(out, (line += kColon) += writableLine(value));
}

void appendDiagram(std::string& out, const state::Board& b) {
    appendHeader(out, Header::UpperHand, kNone);
    appendLine(out, kColumns);
    appendLine(out, kBorder);
    for (int y = 1; y <= 9; ++y) {
        std::string row = "|";
        for (int x = 1; x <= 9; ++x) {
            const int code = b(x, y);
            row += state::isUpper(code) ? 'v' : ' ';
            row += code == state::空 ? kEmptySquare : nameOf(state::magnitude(code), kDiagramPieces);
        }
        appendLine(out, (row += '|') += 漢数字(y));
    }
    appendLine(out, kBorder);
    appendHeader(out, Header::LowerHand, kNone);
}

void appendComment(std::string& out, const std::vector<std::string>& comments, std::size_t i) {
    if (i >= comments.size() || comments[i].empty()) return;
    std::string_view text = comments[i];
    while (true) {
        const std::size_t end = text.find('\n');
        // Appended, not "*" + line: GCC 12 at -O3 takes that for an overlapping copy.
        std::string line = "*";
        appendLine(out, line += writableLine(text.substr(0, end)));
        if (end == std::string_view::npos) return;
        text.remove_prefix(end + 1);
    }
}

void appendHeaders(std::string& out, const KifGame& g, KifEncoding e) {
    appendLine(out, e == KifEncoding::Utf8 ? "#KIF version=2.0 encoding=UTF-8"
                                           : "#KIF version=2.0 encoding=Shift_JIS");
    if (!g.startedAt.empty()) appendHeader(out, Header::StartedAt, g.startedAt);
    appendHeader(out, Header::Handicap, kOther);
    appendHeader(out, Header::Variant, kVariant);
    appendHeader(out, Header::Lower, g.lowerPlayer);
    appendHeader(out, Header::Upper, g.upperPlayer);
    const bool clock = std::any_of(g.clocks.begin(), g.clocks.end(), [](const state::TimeControl& c) {
        return c.kind != state::ClockKind::None;
    });
    if (clock) appendHeader(out, Header::Clock, clocksText(g.clocks));
}

// The moves, the end and the comments between them.
void appendMoves(std::string& out, const KifGame& g) {
    state::MoveRecord r = g.record;
    r.counter = r.last;
    Square previous;
    int moves = 0, toMove = g.firstMover > 0 ? 1 : -1;
    appendComment(out, g.comments, 0);
    for (int k = 1; k <= r.last && k <= state::MoveRecord::kCapacity; k = 手の最後(r, k) + 1) {
        const state::Move m = 記録の手(r, k);
        appendLine(out, numbered(++moves, moveText(m, previous)));
        appendComment(out, g.comments, static_cast<std::size_t>(moves));
        previous = {m.lastX(), m.lastY()};
        toMove = -m.side();
    }
    const rules::Position end(記録を進めた盤(g.start, r, r.last), r, toMove);
    const Ending ending = endingOf(moves, toMove, end.結果(), g.end);
    if (!ending.move.empty()) appendLine(out, numbered(moves + 1, ending.move));
    appendLine(out, ending.line);
}

std::string kifTextIn(const KifGame& g, KifEncoding e) {
    std::string out;
    appendHeaders(out, g, e);
    appendDiagram(out, g.start);
    if (g.firstMover > 0) appendLine(out, kUpperFirst);
    appendLine(out, kMovesHeader);
    appendMoves(out, g);
    return out;
}

// ---- Reading: lines of text ----

// The file's lines as UTF-8: all of it UTF-8 text, or else all of it
// Shift_JIS. A fault is named at the first line that is neither, or, in a
// file that mixes the two, at the first line that is not UTF-8.
std::variant<std::vector<std::string>, KifError> textLines(std::string_view bytes) {
    const std::vector<std::string_view> raw = splitLines(bytes);
    const auto notUtf8 =
        std::find_if(raw.begin(), raw.end(), [](std::string_view l) { return !isUtf8Text(l); });
    if (notUtf8 == raw.end()) return std::vector<std::string>(raw.begin(), raw.end());
    std::vector<std::string> lines;
    std::optional<int> mixed;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        std::optional<std::string> line = shiftJisToUtf8(raw[i]);
        const int number = static_cast<int>(i + 1);
        if (line && isUtf8Text(*line)) {
            lines.push_back(std::move(*line));
            continue;
        }
        if (!isUtf8Text(raw[i])) return KifError{KifRefusal::Encoding, number};
        if (!mixed) mixed = static_cast<int>(notUtf8 - raw.begin()) + 1;
    }
    if (mixed) return KifError{KifRefusal::Encoding, *mixed};
    return lines;
}

// ---- Reading: the move lines ----

std::optional<Square> consumeSquare(std::string_view& s, Square previous) {
    if (consume(s, kSame)) {
        consume(s, kWideSpace);
        if (previous == Square{}) return std::nullopt;
        return previous;
    }
    for (int file = 1; file <= 9; ++file) {
        if (!consume(s, 全角数字(file))) continue;
        for (int rank = 1; rank <= 9; ++rank)
            if (consume(s, 漢数字(rank))) return Square{10 - file, rank};
        return std::nullopt;
    }
    return std::nullopt;
}

// What a move line says, before the position is asked.
struct WrittenMove {
    TokenShape shape;
    int kind = 0;
    bool declined = false;
};

// After the source, blanks and at most a time taken: "( 0:12/00:03:40)".
bool onlyTimeAfter(std::string_view s) {
    s = trimmed(s);
    if (s.empty()) return true;
    if (!s.starts_with('(') || !s.ends_with(')')) return false;
    return s.substr(1, s.size() - 2).find_first_not_of(" 0123456789:/") == std::string_view::npos;
}

std::optional<WrittenMove> readMoveText(std::string_view s, Square previous) {
    WrittenMove w;
    const std::optional<Square> to = consumeSquare(s, previous);
    if (!to) return std::nullopt;
    w.shape.toX = to->x;
    w.shape.toY = to->y;
    if (consume(s, kJoin)) {
        const std::optional<Square> to2 = consumeSquare(s, previous);
        if (!to2) return std::nullopt;
        w.shape.twoStep = true;
        w.shape.toX2 = to2->x;
        w.shape.toY2 = to2->y;
    }
    const std::optional<int> kind = consumeName(s, kMovePieces);
    if (!kind) return std::nullopt;
    w.kind = *kind;
    w.declined = consume(s, kDecline);
    w.shape.promotes = !w.declined && consume(s, kPromote);
    if (s.size() < 4 || s[0] != '(' || s[1] < '1' || s[1] > '9' || s[2] < '1' || s[2] > '9' || s[3] != ')')
        return std::nullopt;
    w.shape.fromX = 10 - (s[1] - '0');
    w.shape.fromY = s[2] - '0';
    if (!onlyTimeAfter(s.substr(4))) return std::nullopt;
    return w;
}

// ---- Reading: the whole text ----

class KifReader {
public:
    std::optional<KifError> line(std::string_view text, int number);
    std::variant<KifGame, KifError> finish();

private:
    std::optional<KifError> header(std::string_view text);
    std::optional<KifError> diagram(std::string_view text);
    std::optional<KifError> beforeMoves(std::string_view text);
    std::optional<KifError> inMoves(std::string_view text);
    std::optional<KifError> move(int number, std::string_view text);
    std::optional<KifError> endMove(int number, KifEnd end);
    std::optional<KifError> endLine(std::string_view text);
    void beginMoves();
    void comment(std::string_view text);
    rules::Position position() const { return rules::Position(data_.board, data_.record, toMove_); }
    KifError fault(KifRefusal r) const { return {r, line_}; }

    KifGame game_;
    int line_ = 0;
    std::array<bool, kHeaderKeys.size()> seen_{};
    int diagramRow_ = -1;  // -1 before the diagram, 0 at its top border, 1..9 its rows, 10 its bottom
    bool haveBoard_ = false, sideSaid_ = false, moving_ = false, ended_ = false;
    state::GameData data_;
    int moves_ = 0, toMove_ = -1;
    Square previous_;
    std::optional<KifEnd> endMove_;
};

std::optional<KifError> KifReader::line(std::string_view text, int number) {
    line_ = number;
    if (diagramRow_ >= 0) return diagram(text);
    if (trimmed(text).empty() || text.starts_with('#')) return std::nullopt;
    if (text.starts_with('*')) {
        comment(text.substr(1));
        return std::nullopt;
    }
    if (ended_) return fault(KifRefusal::AfterEnd);
    return moving_ ? inMoves(text) : beforeMoves(text);
}

void KifReader::comment(std::string_view text) {
    const auto at = static_cast<std::size_t>(moves_);
    if (game_.comments.size() <= at) game_.comments.resize(at + 1);
    std::string& c = game_.comments[at];
    if (!c.empty()) c += '\n';
    c += text;
}

std::optional<KifError> KifReader::beforeMoves(std::string_view text) {
    if (text == kColumns) {
        if (haveBoard_) return fault(KifRefusal::Board);
        diagramRow_ = 0;
        return std::nullopt;
    }
    if (text == kLowerFirst || text == kUpperFirst) {
        if (sideSaid_) return fault(KifRefusal::RepeatedHeader);
        sideSaid_ = true;
        game_.firstMover = text == kUpperFirst ? 1 : -1;
        return std::nullopt;
    }
    if (text == kMovesHeader) {
        if (!haveBoard_) return fault(KifRefusal::NoBoard);
        beginMoves();
        return std::nullopt;
    }
    return header(text);
}

std::optional<KifError> KifReader::header(std::string_view text) {
    const std::size_t colon = text.find(kColon);
    if (colon == std::string_view::npos) return fault(KifRefusal::UnknownLine);
    const auto key = std::find(kHeaderKeys.begin(), kHeaderKeys.end(), text.substr(0, colon));
    if (key == kHeaderKeys.end()) return fault(KifRefusal::UnknownHeader);
    const auto h = static_cast<Header>(key - kHeaderKeys.begin());
    bool& seen = seen_[static_cast<std::size_t>(h)];
    if (seen) return fault(KifRefusal::RepeatedHeader);
    seen = true;
    const std::string_view value = text.substr(colon + kColon.size());
    switch (h) {
        case Header::StartedAt: game_.startedAt = value; break;
        case Header::Lower: game_.lowerPlayer = value; break;
        case Header::Upper: game_.upperPlayer = value; break;
        case Header::Handicap:
            if (trimmed(value) != kOther) return fault(KifRefusal::Handicap);
            break;
        case Header::Variant:
            if (trimmed(value) != kVariant) return fault(KifRefusal::Variant);
            break;
        case Header::Clock: {
            const auto clocks = readClocks(trimmed(value));
            if (!clocks) return fault(KifRefusal::TimeControl);
            game_.clocks = *clocks;
            break;
        }
        case Header::UpperHand:
        case Header::LowerHand:
            if (!trimmed(value).empty() && trimmed(value) != kNone) return fault(KifRefusal::PiecesInHand);
            break;
        case Header::Count: break;
    }
    return std::nullopt;
}

// A row: "|", nine squares of a mark (v for 後手's, a space for 先手's) and
// one character, "|", the rank's numeral.
std::optional<KifError> KifReader::diagram(std::string_view text) {
    const int row = diagramRow_++;
    if (row == 0 || row == 10) {
        if (text != kBorder) return fault(KifRefusal::Board);
        if (row == 10) {
            diagramRow_ = -1;
            haveBoard_ = true;
        }
        return std::nullopt;
    }
    if (!consume(text, "|")) return fault(KifRefusal::Board);
    for (int x = 1; x <= 9; ++x) {
        const bool upper = consume(text, "v");
        if (!upper && !consume(text, " ")) return fault(KifRefusal::Board);
        if (!upper && consume(text, kEmptySquare)) {
            game_.start(x, row) = state::空;
            continue;
        }
        const std::optional<int> kind = consumeName(text, kDiagramPieces);
        if (!kind) return fault(KifRefusal::Board);
        game_.start(x, row) = upper ? *kind : -*kind;
    }
    if (!consume(text, "|") || text != 漢数字(row)) return fault(KifRefusal::Board);
    return std::nullopt;
}

void KifReader::beginMoves() {
    moving_ = true;
    data_.board = game_.start;
    data_.record = freshRecord();
    toMove_ = game_.firstMover;
}

std::optional<KifError> KifReader::inMoves(std::string_view text) {
    if (text.starts_with("まで")) return endLine(trimmed(text));
    std::string_view rest = text.substr(std::min(text.find_first_not_of(' '), text.size()));
    const std::optional<int> number = consumeNumber(rest);
    if (!number || !consume(rest, " ")) return fault(KifRefusal::UnknownLine);
    rest = trimmed(rest);
    if (endMove_) return fault(KifRefusal::AfterEnd);
    if (rest == kResigned) return endMove(*number, KifEnd::Resigned);
    if (rest == kOutOfTime) return endMove(*number, KifEnd::OutOfTime);
    return move(*number, rest);
}

std::optional<KifError> KifReader::move(int number, std::string_view text) {
    if (number != moves_ + 1) return fault(KifRefusal::MoveNumber);
    const std::optional<WrittenMove> w = readMoveText(text, previous_);
    if (!w) return fault(KifRefusal::MoveText);
    const auto resolved = resolveShape(position(), w->shape);
    if (const auto* e = std::get_if<TokenError>(&resolved))
        return KifError{KifRefusal::IllegalMove, line_, e->refusal};
    const state::Move& m = std::get<state::Move>(resolved);
    if (state::magnitude(m.moved) != w->kind) return fault(KifRefusal::WrongPiece);
    if (w->declined && !rules::成れる(m.fromY, m.toY, m.moved)) return fault(KifRefusal::MoveText);
    if (data_.record.counter + (m.twoStep ? 2 : 1) > state::MoveRecord::kCapacity)
        return fault(KifRefusal::RecordFull);
    playOn(data_, m);
    ++moves_;
    toMove_ = -toMove_;
    previous_ = {m.lastX(), m.lastY()};
    return std::nullopt;
}

// 投了 or 切れ負け: the side to move gives up, in a game still going on.
std::optional<KifError> KifReader::endMove(int number, KifEnd end) {
    if (number != moves_ + 1) return fault(KifRefusal::MoveNumber);
    if (position().結果() != state::Outcome::Continues) return fault(KifRefusal::AfterEnd);
    endMove_ = end;
    return std::nullopt;
}

std::optional<KifError> KifReader::endLine(std::string_view text) {
    ended_ = true;
    const Ending expected = endingOf(moves_, toMove_, position().結果(), endMove_.value_or(KifEnd::AsPlayed));
    if (text != expected.line) return fault(KifRefusal::EndLine);
    return std::nullopt;
}

std::variant<KifGame, KifError> KifReader::finish() {
    if (diagramRow_ >= 0) return fault(KifRefusal::Board);
    if (!haveBoard_) return KifError{KifRefusal::NoBoard, 0};
    if (!moving_) beginMoves();
    game_.record = data_.record;
    game_.end = endMove_.value_or(KifEnd::AsPlayed);
    while (!game_.comments.empty() && game_.comments.back().empty()) game_.comments.pop_back();
    return std::move(game_);
}

state::Board startOf(int firstMover) {
    state::GameData d;
    if (firstMover > 0)
        rules::初期設定_先手敵(d);
    else
        rules::初期設定_先手自(d);
    return d.board;
}

std::string_view withoutPrefix(std::string_view line, std::string_view prefix) {
    consume(line, prefix);
    return line;
}

}  // namespace

// ---- Writing ----

std::string kifText(const KifGame& game) { return kifTextIn(game, KifEncoding::Utf8); }

std::optional<std::string> kifBytes(const KifGame& game, KifEncoding encoding) {
    std::string text = kifTextIn(game, encoding);
    if (encoding == KifEncoding::Utf8) return text;
    return utf8ToShiftJis(text);
}

// ---- Reading ----

KifRead parseKif(std::string_view bytes) {
    auto lines = textLines(bytes);
    if (auto* e = std::get_if<KifError>(&lines)) return *e;
    KifReader reader;
    const std::vector<std::string>& text = std::get<std::vector<std::string>>(lines);
    for (std::size_t i = 0; i < text.size(); ++i)
        if (auto e = reader.line(text[i], static_cast<int>(i + 1))) return *e;
    return reader.finish();
}

KifRead readKifFile(const std::filesystem::path& path) {
    const std::optional<std::string> bytes = readSmallFile(path, kMaxFileBytes);
    if (!bytes) return KifError{KifRefusal::Unreadable, 0};
    return parseKif(*bytes);
}

// ---- The game's own record file ----

KifGame kifFromKifu(const Kifu& kifu) {
    KifGame g;
    g.record = recordFromKifu(kifu);
    g.record.counter = g.record.last;
    g.firstMover = 初手の側(g.record);
    g.start = startOf(g.firstMover);
    g.startedAt = kifu.header[0];
    std::string first(withoutPrefix(kifu.header[1], "先手："));
    std::string second(withoutPrefix(kifu.header[2], "後手："));
    if (g.firstMover > 0) std::swap(first, second);
    g.lowerPlayer = std::move(first);
    g.upperPlayer = std::move(second);
    return g;
}

std::variant<Kifu, KifuRefusal> kifuFromKif(const KifGame& g) {
    if (g.record.last == 0) return KifuRefusal::NoMoves;
    if (!(g.start == startOf(g.firstMover))) return KifuRefusal::NotTheStart;
    const bool upperFirst = g.firstMover > 0;
    return kifuFromRecord(g.record, {g.startedAt, "先手：" + (upperFirst ? g.upperPlayer : g.lowerPlayer),
                                     "後手：" + (upperFirst ? g.lowerPlayer : g.upperPlayer)});
}

}  // namespace record
