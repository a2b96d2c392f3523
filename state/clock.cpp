#include "state/clock.h"

#include <algorithm>
#include <charconv>

namespace state {

using std::chrono::milliseconds;

namespace {

struct KindName {
    ClockKind kind;
    std::string_view word;
    int leastMinutes;
    bool perMove;  // takes seconds a move
};
constexpr std::array<KindName, 4> kKindNames{{{ClockKind::None, "none", 0, false},
                                              {ClockKind::SuddenDeath, "sudden", 1, false},
                                              {ClockKind::Fischer, "fischer", 1, true},
                                              {ClockKind::Byoyomi, "byoyomi", 0, true}}};

std::optional<int> numberIn(std::string_view word, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

const KindName& nameOf(ClockKind kind) {
    for (const KindName& k : kKindNames)
        if (k.kind == kind) return k;
    return kKindNames[0];
}

// The word before the first colon, and the rest (empty without a colon).
std::pair<std::string_view, std::string_view> firstWord(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return {text, {}};
    return {text.substr(0, colon), text.substr(colon + 1)};
}

}  // namespace

std::optional<TimeControl> timeControlNamed(std::string_view text) {
    const auto [word, numbers] = firstWord(text);
    for (const KindName& k : kKindNames) {
        if (k.word != word) continue;
        if (k.kind == ClockKind::None)
            return numbers.empty() && text == word ? std::optional(TimeControl{}) : std::nullopt;
        const auto [minutesText, secondsText] = firstWord(numbers);
        const std::optional<int> minutes = numberIn(minutesText, k.leastMinutes, kMostClockMinutes);
        const std::optional<int> seconds =
            k.perMove ? numberIn(secondsText, 1, kMostSecondsAMove) : std::optional(0);
        const bool colons = k.perMove ? numbers.find(':') != std::string_view::npos
                                      : numbers.find(':') == std::string_view::npos;
        if (!minutes || !seconds || !colons) return std::nullopt;
        return TimeControl{k.kind, std::chrono::minutes(*minutes), std::chrono::seconds(*seconds)};
    }
    return std::nullopt;
}

std::string timeControlName(const TimeControl& control) {
    const KindName& k = nameOf(control.kind);
    if (k.kind == ClockKind::None) return std::string(k.word);
    std::string text = std::string(k.word) + ':' +
                       std::to_string(std::chrono::duration_cast<std::chrono::minutes>(control.main).count());
    if (k.perMove)
        text +=
            ':' + std::to_string(std::chrono::duration_cast<std::chrono::seconds>(control.perMove).count());
    return text;
}

int leastMinutes(ClockKind kind) { return nameOf(kind).leastMinutes; }
bool takesSecondsAMove(ClockKind kind) { return nameOf(kind).perMove; }

milliseconds SteadyTimeSource::now() const {
    return std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

GameClock::GameClock(const TimeSource& source, const TimeControl& upper, const TimeControl& lower)
    : source_(source), sides_{{{upper, upper.main, false}, {lower, lower.main, false}}} {}

bool GameClock::active() const {
    return sides_[0].control.kind != ClockKind::None || sides_[1].control.kind != ClockKind::None;
}

milliseconds GameClock::usedThisMove() const {
    if (running_ == 0) return milliseconds{0};
    return usedBefore_ + (paused_ ? milliseconds{0} : source_.now() - since_);
}

void GameClock::start(int side) {
    if (running_ != 0) stop();
    running_ = side;
    usedBefore_ = milliseconds{0};
    since_ = source_.now();
}

bool GameClock::stop() {
    if (running_ == 0) return true;
    const SideTime t = read(running_);
    Side& s = sides_[index(running_)];
    s.out = t.outOfTime;
    s.left = t.main;
    if (!s.out && s.control.kind == ClockKind::Fischer) s.left += s.control.perMove;
    running_ = 0;
    usedBefore_ = milliseconds{0};
    return !s.out;
}

void GameClock::pause() {
    if (paused_) return;
    usedBefore_ = usedThisMove();
    paused_ = true;
}

void GameClock::resume() {
    if (!paused_) return;
    paused_ = false;
    since_ = source_.now();
}

SideTime GameClock::read(int side) const {
    const Side& s = sides_[index(side)];
    SideTime t;
    t.running = running_ == side;
    t.main = s.left;
    t.outOfTime = s.out;
    const bool byoyomi = s.control.kind == ClockKind::Byoyomi;
    if (byoyomi) t.byoyomi = s.control.perMove;
    if (s.control.kind == ClockKind::None) return t;
    const milliseconds used = t.running ? usedThisMove() : milliseconds{0};
    // The main time goes first; under byoyomi what is over comes out of this
    // move's byoyomi.
    const milliseconds over = used - s.left;
    t.main = std::max(s.left - used, milliseconds{0});
    if (byoyomi) {
        t.inByoyomi = over >= milliseconds{0};
        t.byoyomi = std::clamp(s.control.perMove - std::max(over, milliseconds{0}), milliseconds{0},
                               s.control.perMove);
        t.outOfTime = s.out || over >= s.control.perMove;
    } else {
        t.outOfTime = s.out || over >= milliseconds{0};
    }
    return t;
}

void GameClock::setMainLeft(int side, milliseconds left) { sides_[index(side)].left = left; }

}  // namespace state
