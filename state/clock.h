#pragma once

// The game clock: each side's time, as the game holds it beside its board
// and record. Running out of time is a rule of play (the side loses) that
// needs no window: the one end-of-game decision takes it as a fact, game
// control ends the game by it, the command line plays self-play by it, and
// the window shows it, all from above. It reads the time through a source it is given, so tests
// drive it with a fake one and never wait.

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace state {

enum class ClockKind {
    None,         // no clock: the game as always
    SuddenDeath,  // the main time for the whole game
    Fischer,      // the main time, and the increment added after each move
    Byoyomi,      // the main time, then the byoyomi for each move
};

// One side's time control. Each side has its own.
struct TimeControl {
    ClockKind kind = ClockKind::None;
    std::chrono::milliseconds main{0};
    std::chrono::milliseconds perMove{0};  // the increment or the byoyomi
    bool operator==(const TimeControl&) const = default;
};

// A time control in words, as the command line takes it and the settings
// keep it: "none", "sudden:M", "fischer:M:S" or "byoyomi:M:S", M minutes and
// S seconds a move. Sudden death and Fischer take a minute at least, Fischer
// and byoyomi a second a move at least; at most 600 minutes and 3600 seconds.
// 例: timeControlNamed("byoyomi:0:30") is byoyomi of 30 s from the first move.
std::optional<TimeControl> timeControlNamed(std::string_view text);
std::string timeControlName(const TimeControl& control);

// What a kind takes, as timeControlNamed accepts it: its least minutes, and
// whether it has seconds a move.
inline constexpr int kMostClockMinutes = 600;
inline constexpr int kMostSecondsAMove = 3600;
int leastMinutes(ClockKind kind);
bool takesSecondsAMove(ClockKind kind);

// Where the clock reads the time: a steady clock in play, a fake in tests.
class TimeSource {
public:
    virtual ~TimeSource() = default;
    virtual std::chrono::milliseconds now() const = 0;
};

class SteadyTimeSource final : public TimeSource {
public:
    std::chrono::milliseconds now() const override;
};

// One side's clock as it reads now.
struct SideTime {
    std::chrono::milliseconds main{0};     // main time left
    std::chrono::milliseconds byoyomi{0};  // byoyomi left for this move (all of it until it starts)
    bool inByoyomi = false;                // the main time is spent
    bool running = false;
    bool outOfTime = false;
};

// Both sides' clocks; a side is +1 (upper) or -1 (lower). One side's time
// runs at a time, from start() to stop(); a side runs out when it has used
// all its time allows, at the very moment it reaches zero.
// 例: byoyomi 0 min + 10 s; start(1), 10 s pass: read(1).outOfTime.
class GameClock {
public:
    GameClock(const TimeSource& source, const TimeControl& upper, const TimeControl& lower);

    // Whether either side plays with a clock.
    bool active() const;
    // The side's move begins: its time runs (stopping the other's).
    void start(int side);
    // The running side's move is made: its time stops, the increment is
    // added or the byoyomi renewed. False when it ran out during the move.
    bool stop();
    // The running side's time holds still until resume(); start() and stop()
    // keep the pause.
    void pause();
    void resume();
    bool paused() const { return paused_; }
    // 0 when neither side's time runs.
    int running() const { return running_; }

    SideTime read(int side) const;
    bool outOfTime(int side) const { return read(side).outOfTime; }
    const TimeControl& control(int side) const { return sides_[index(side)].control; }

    // The main time left between moves, to keep a game and go on with it.
    std::chrono::milliseconds mainLeft(int side) const { return sides_[index(side)].left; }
    void setMainLeft(int side, std::chrono::milliseconds left);

private:
    struct Side {
        TimeControl control;
        std::chrono::milliseconds left{0};  // the main time left before this move
        bool out = false;                   // ran out in an earlier move
    };
    static std::size_t index(int side) { return side > 0 ? 0 : 1; }
    // The time the running side has used in this move, pauses left out.
    std::chrono::milliseconds usedThisMove() const;

    const TimeSource& source_;
    std::array<Side, 2> sides_;
    int running_ = 0;
    bool paused_ = false;
    std::chrono::milliseconds since_{0};       // when the running side's time last started to run
    std::chrono::milliseconds usedBefore_{0};  // its time used in this move before a pause
};

}  // namespace state
