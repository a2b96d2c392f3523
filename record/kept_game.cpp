#include "record/kept_game.h"

#include <charconv>
#include <cstdlib>
#include <vector>

#include "record/kifu_format.h"
#include "record/record_moves.h"

namespace record {

namespace {

constexpr std::string_view kMagic = "nuedori-game";
// Nine rows, 500 entries and a header of comments stay far below this.
constexpr std::size_t kMaxFileBytes = 1 << 18;

struct Name {
    std::string_view word;
    int value;
};
constexpr std::array<Name, 3> kStates{{{"none", static_cast<int>(KeptState::None)},
                                       {"playing", static_cast<int>(KeptState::Playing)},
                                       {"replaying", static_cast<int>(KeptState::Replaying)}}};
constexpr std::array<Name, 2> kKinds{
    {{"computer", state::kAgainstComputer}, {"two-players", state::kTwoPlayers}}};
// A side's clock is its own fact: an earlier game passes over both.
constexpr std::array<Name, 2> kClockKeys{{{"clock-upper", 0}, {"clock-lower", 1}}};
constexpr std::array<Name, 3> kClockKinds{{{"sudden", static_cast<int>(state::ClockKind::SuddenDeath)},
                                           {"fischer", static_cast<int>(state::ClockKind::Fischer)},
                                           {"byoyomi", static_cast<int>(state::ClockKind::Byoyomi)}}};
// How a finished game ended; a game that goes on has no line.
constexpr std::array<Name, 3> kResults{{{"lower-wins", static_cast<int>(state::Result::LowerWins)},
                                        {"upper-wins", static_cast<int>(state::Result::UpperWins)},
                                        {"draw", static_cast<int>(state::Result::Draw)}}};
// A day in milliseconds: more than any clock is set to.
constexpr int kLongestClock = 24 * 60 * 60 * 1000;

template <std::size_t N>
std::string_view wordOf(const std::array<Name, N>& names, int value) {
    for (const Name& n : names)
        if (n.value == value) return n.word;
    return names[0].word;
}

template <std::size_t N>
std::optional<int> valueOf(const std::array<Name, N>& names, std::string_view word) {
    for (const Name& n : names)
        if (n.word == word) return n.value;
    return std::nullopt;
}

// ---- Writing ----

void line(std::string& out, std::string_view key, int value) {
    ((out += key) += ' ') += std::to_string(value);
    out += '\n';
}

std::string entryLine(const state::MoveRecord& r, int k) {
    const std::size_t i = static_cast<std::size_t>(k);
    std::string text = "entry";
    for (const int v : {r.fromX[i], r.fromY[i], r.toX[i], r.toY[i], r.placed[i], r.moved[i], r.captured[i]})
        (text += ' ') += std::to_string(v);
    if (r.secondStep[i]) text += " second";
    return text + '\n';
}

std::string clockLine(const KeptClock& c, std::size_t side) {
    std::string text(wordOf(kClockKeys, static_cast<int>(side)));
    (text += ' ') += wordOf(kClockKinds, static_cast<int>(c.control.kind));
    for (const auto ms : {c.control.main, c.control.perMove, c.left})
        (text += ' ') += std::to_string(ms.count());
    return text + '\n';
}

std::string outcomeLine(const state::Outcome& o) {
    std::string text = "outcome ";
    ((text += wordOf(kResults, static_cast<int>(o.result))) += ' ') += state::endReasonName(o.reason);
    return text + '\n';
}

// ---- Reading ----

std::vector<std::string_view> wordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    while (!text.empty()) {
        const std::size_t start = text.find_first_not_of(" \t");
        if (start == std::string_view::npos) break;
        text.remove_prefix(start);
        const std::size_t end = text.find_first_of(" \t");
        words.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end);
    }
    return words;
}

std::optional<int> number(std::string_view word, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<bool> yesNo(std::string_view word) {
    const std::optional<int> v = number(word, 0, 1);
    if (!v) return std::nullopt;
    return *v == 1;
}

// "clock-SIDE KIND MAIN PER-MOVE LEFT", as clockLine writes it.
bool readClock(KeptGame& g, const std::vector<std::string_view>& w) {
    if (w.size() != 5) return false;
    const std::optional<int> side = valueOf(kClockKeys, w[0]);
    const std::optional<int> kind = valueOf(kClockKinds, w[1]);
    const std::optional<int> main = number(w[2], 0, kLongestClock);
    const std::optional<int> perMove = number(w[3], 0, kLongestClock);
    const std::optional<int> left = number(w[4], 0, kLongestClock);
    if (!side || !kind || !main || !perMove || !left) return false;
    g.clocks[static_cast<std::size_t>(*side)] =
        KeptClock{{static_cast<state::ClockKind>(*kind), std::chrono::milliseconds(*main),
                   std::chrono::milliseconds(*perMove)},
                  std::chrono::milliseconds(*left)};
    return true;
}

// "outcome RESULT REASON", as outcomeLine writes it: an ended game's.
bool readOutcome(KeptGame& g, const std::vector<std::string_view>& w) {
    if (w.size() != 3) return false;
    const std::optional<int> result = valueOf(kResults, w[1]);
    const std::optional<state::EndReason> reason = state::endReasonNamed(w[2]);
    if (!result || !reason || *reason == state::EndReason::None) return false;
    g.outcome = {static_cast<state::Result>(*result), *reason};
    return true;
}

// What the reader has seen so far, to tell a whole game from a part of one.
struct Reading {
    KeptGame game;
    std::array<bool, 10> startRows{};
    bool sawState = false, sawKind = false, sawTurn = false, sawMarker = false;
    int entries = 0;
};

bool readStart(Reading& r, const std::vector<std::string_view>& w) {
    if (w.size() != 11) return false;
    const std::optional<int> row = number(w[1], 1, 9);
    if (!row) return false;
    for (int x = 1; x <= 9; ++x) {
        const std::optional<int> code = number(w[static_cast<std::size_t>(x) + 1], -15, 15);
        if (!code) return false;
        r.game.start(x, *row) = *code;
    }
    r.startRows[static_cast<std::size_t>(*row)] = true;
    return true;
}

bool readEntry(Reading& r, const std::vector<std::string_view>& w) {
    const bool second = w.size() == 9 && w[8] == "second";
    if ((w.size() != 8 && !second) || r.entries >= state::MoveRecord::kCapacity) return false;
    std::array<int, 7> v{};
    for (std::size_t i = 0; i < v.size(); ++i) {
        const std::optional<int> n = number(w[i + 1], -15, 15);
        if (!n) return false;
        v[i] = *n;
    }
    const state::Move e = 記録行(v[0], v[1], v[2], v[3], v[4], v[5], v[6]);
    if (!isValidEntry(e) || (second && r.entries == 0)) return false;
    記録の項に書く(r.game.record, ++r.entries, e, second);
    return true;
}

constexpr std::array<std::string_view, 10> kFacts{"state",    "kind",        "lower-token", "turn",
                                                  "level",    "move-number", "marker",      "reversed",
                                                  "teaching", "music"};

bool isFact(std::string_view key) {
    for (const std::string_view f : kFacts)
        if (f == key) return true;
    return false;
}

// Stores a value read, when it was one.
template <typename T, typename Store>
bool take(std::optional<T> value, Store store) {
    if (!value) return false;
    store(*value);
    return true;
}

bool readFact(Reading& r, std::string_view key, std::string_view v) {
    KeptGame& g = r.game;
    if (key == "state")
        return take(valueOf(kStates, v), [&](int n) {
            g.state = static_cast<KeptState>(n);
            r.sawState = true;
        });
    if (key == "kind")
        return take(valueOf(kKinds, v), [&](int n) {
            g.gameKind = n;
            r.sawKind = true;
        });
    if (key == "turn")
        return take(number(v, -1, 1), [&](int n) {
            g.turn = n;
            r.sawTurn = true;
        });
    if (key == "marker")
        return take(number(v, 0, state::MoveRecord::kCapacity), [&](int n) {
            g.record.counter = n;
            r.sawMarker = true;
        });
    if (key == "lower-token")
        return take(number(v, -1, 1), [&](int n) { g.lowerToken = n; }) && g.lowerToken != 0;
    if (key == "level") return take(number(v, 1, 8), [&](int n) { g.level = n; });
    if (key == "move-number") return take(number(v, 0, 99999), [&](int n) { g.moveNumber = n; });
    if (key == "reversed") return take(yesNo(v), [&](bool b) { g.reversed = b; });
    if (key == "teaching") return take(yesNo(v), [&](bool b) { g.teaching = b; });
    return take(yesNo(v), [&](bool b) { g.music = b; });
}

// One line of facts; false when it is not right. A key it does not know is a
// later game's fact and passes.
bool readLine(Reading& r, const std::vector<std::string_view>& w) {
    if (w[0] == "start") return readStart(r, w);
    if (w[0] == "entry") return readEntry(r, w);
    if (valueOf(kClockKeys, w[0])) return readClock(r.game, w);
    if (w[0] == "outcome") return readOutcome(r.game, w);
    if (!isFact(w[0])) return true;
    return w.size() == 2 && readFact(r, w[0], w[1]);
}

// A game to go on with has every fact, a marker within the record and not
// between the two steps of a move, a side to move, and a record that plays.
bool isWhole(const Reading& r) {
    const KeptGame& g = r.game;
    if (!r.sawState) return false;
    if (g.state == KeptState::None) return true;
    for (int row = 1; row <= 9; ++row)
        if (!r.startRows[static_cast<std::size_t>(row)]) return false;
    return r.sawKind && r.sawTurn && r.sawMarker && g.turn != 0 && g.record.counter <= g.record.last &&
           !(g.record.counter < g.record.last &&
             g.record.secondStep[static_cast<std::size_t>(g.record.counter) + 1]);
}

bool oneSquare(const state::MoveRecord& r, std::size_t k) {
    return std::abs(r.toX[k] - r.fromX[k]) <= 1 && std::abs(r.toY[k] - r.fromY[k]) <= 1;
}

// Entry k is the second step of the same Nue King's move begun at k - 1.
bool followsFirstStep(const state::MoveRecord& r, std::size_t k) {
    return !r.secondStep[k - 1] && state::magnitude(r.moved[k]) == state::鵺王 &&
           r.moved[k] == r.moved[k - 1] && r.placed[k] == r.moved[k] && r.placed[k - 1] == r.moved[k - 1] &&
           r.fromX[k] == r.toX[k - 1] && r.fromY[k] == r.toY[k - 1] && oneSquare(r, k) && oneSquare(r, k - 1);
}

}  // namespace

std::string keptGameText(const KeptGame& g) {
    std::string out(kMagic);
    out += ' ' + std::to_string(KeptGame::kVersion) + '\n';
    out += "# QXぬえどり王: the game in progress, kept between runs\n";
    ((out += "state ") += wordOf(kStates, static_cast<int>(g.state))) += '\n';
    ((out += "kind ") += wordOf(kKinds, g.gameKind)) += '\n';
    line(out, "lower-token", g.lowerToken);
    line(out, "turn", g.turn);
    line(out, "level", g.level);
    line(out, "move-number", g.moveNumber);
    line(out, "reversed", g.reversed);
    line(out, "teaching", g.teaching);
    line(out, "music", g.music);
    for (int y = 1; y <= 9; ++y) {
        out += "start " + std::to_string(y);
        for (int x = 1; x <= 9; ++x) (out += ' ') += std::to_string(g.start(x, y));
        out += '\n';
    }
    line(out, "marker", g.record.counter);
    for (int k = 1; k <= g.record.last; ++k) out += entryLine(g.record, k);
    for (std::size_t side = 0; side < g.clocks.size(); ++side)
        if (g.clocks[side].control.kind != state::ClockKind::None) out += clockLine(g.clocks[side], side);
    if (g.outcome.over()) out += outcomeLine(g.outcome);
    return out;
}

KeptGameRead parseKeptGame(std::string_view text) {
    Reading r;
    r.game.record.placed[0] = state::歩;  // entry 0 as after a game start
    int lineNumber = 0;
    bool sawMagic = false;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view l = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++lineNumber;
        if (l.ends_with('\r')) l.remove_suffix(1);
        const std::vector<std::string_view> w = wordsOf(l);
        if (w.empty() || w[0].starts_with('#')) continue;
        if (!sawMagic) {
            if (w.size() != 2 || w[0] != kMagic)
                return KeptGameError{KeptGameError::Kind::NotAGame, lineNumber};
            const std::optional<int> version = number(w[1], 1, 1 << 20);
            if (!version) return KeptGameError{KeptGameError::Kind::NotAGame, lineNumber};
            if (*version > KeptGame::kVersion)
                return KeptGameError{KeptGameError::Kind::LaterVersion, lineNumber};
            sawMagic = true;
            continue;
        }
        if (!readLine(r, w)) return KeptGameError{KeptGameError::Kind::BadLine, lineNumber};
    }
    if (!sawMagic) return KeptGameError{KeptGameError::Kind::NotAGame, 0};
    r.game.record.last = r.entries;
    if (r.game.reversed) r.game.record.placed[0] = state::空;  // 反転 empties the record, entry 0 too
    if (!isWhole(r) || (r.game.state != KeptState::None && !記録が盤に合う(r.game.start, r.game.record)))
        return KeptGameError{KeptGameError::Kind::BadRecord, 0};
    return r.game;
}

KeptGameRead readKeptGame(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(file, ec)))
        return KeptGameError{KeptGameError::Kind::Missing, 0};
    const std::optional<std::string> bytes = readSmallFile(file, kMaxFileBytes);
    if (!bytes) return KeptGameError{KeptGameError::Kind::Unreadable, 0};
    return parseKeptGame(*bytes);
}

std::optional<SaveError> saveKeptGame(const KeptGame& game, const std::filesystem::path& file) {
    return saveFile(keptGameText(game), file);
}

state::Board 記録を進めた盤(state::Board b, const state::MoveRecord& r, int upto) {
    for (std::size_t k = 1; k <= static_cast<std::size_t>(upto); ++k) {
        b(r.fromX[k], r.fromY[k]) = state::空;
        b(r.toX[k], r.toY[k]) = r.placed[k];
    }
    return b;
}

state::Board 記録を戻した盤(state::Board b, const state::MoveRecord& r) {
    for (std::size_t k = static_cast<std::size_t>(r.counter); k >= 1; --k) {
        b(r.toX[k], r.toY[k]) = r.captured[k];
        b(r.fromX[k], r.fromY[k]) = r.moved[k];
    }
    return b;
}

bool 記録が盤に合う(const state::Board& start, const state::MoveRecord& r) {
    state::Board b = start;
    for (std::size_t k = 1; k <= static_cast<std::size_t>(r.last); ++k) {
        if (!state::onBoard(r.fromX[k], r.fromY[k]) || !state::onBoard(r.toX[k], r.toY[k])) return false;
        if (b(r.fromX[k], r.fromY[k]) != r.moved[k] || b(r.toX[k], r.toY[k]) != r.captured[k]) return false;
        if (r.secondStep[k] && (k < 2 || !followsFirstStep(r, k))) return false;
        b(r.fromX[k], r.fromY[k]) = state::空;
        b(r.toX[k], r.toY[k]) = r.placed[k];
    }
    return true;
}

}  // namespace record
