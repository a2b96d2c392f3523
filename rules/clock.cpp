#include "rules/clock.h"

#include <algorithm>

namespace rules {

using std::chrono::milliseconds;

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

}  // namespace rules
