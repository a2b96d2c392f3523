#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

#include "record/kept_game.h"
#include "state/clock.h"
#include "state/game.h"

class QLabel;
class QWidget;

namespace sound {
class SoundLayer;
}

namespace app {

class PlayerSettings;
class SidePanel;

// The time controls of the next game: the upper side's, then the lower
// side's. Both None is a game without a clock, as the game always was.
using ClockChoice = std::array<state::TimeControl, 2>;

// A side's clock as the panel words it: its main time (m:ss, h:mm:ss, and
// tenths under 10 s), its byoyomi once the main time is spent, or that it
// ran out. 例: 9.25 s of sudden death left reads "9.2".
QString clockReading(const state::SideTime& time, const state::TimeControl& control);

// The game's clocks in the window: the clock of the game in play, which the
// window owns and lends to game control (Game::clock), its two lines in the
// side panel, and the chime of a person's last ten seconds of byoyomi.
// `ticked` is told ten times a second while a clock runs, for the window to
// see whether the side to move has run out.
class GameClocks {
public:
    GameClocks(const state::Game& game, SidePanel& panel, sound::SoundLayer& sound,
               std::function<void()> ticked);
    ~GameClocks();
    GameClocks(const GameClocks&) = delete;
    GameClocks& operator=(const GameClocks&) = delete;

    // A game begins with these controls: a fresh clock, or none (null).
    state::GameClock* begin(const ClockChoice& choice);
    // A kept game goes on with the clocks it had: null when it had none.
    state::GameClock* resume(const std::array<record::KeptClock, 2>& kept);
    // No clock any more: the panel's lines go.
    void end();
    state::GameClock* clock() const { return clock_.get(); }

    // The panel's lines brought up to the clock as it reads now.
    void show();

    // After each event of the game: the side to move's time runs; a record
    // has no clock, and a finished game's lines stay until はい clears the board.
    void followEvent(state::Game& g, bool gameEnded);

    // 持ち時間: the time controls of the next game, asked in a dialog and
    // remembered in the settings (when there are any).
    const ClockChoice& choice() const { return choice_; }
    void setChoice(const ClockChoice& c) { choice_ = c; }
    void choose(QWidget* parent, PlayerSettings* settings);

private:
    void tick();
    void chime();

    const state::Game& game_;
    sound::SoundLayer& sound_;
    std::function<void()> ticked_;
    state::SteadyTimeSource source_;
    std::unique_ptr<state::GameClock> clock_;
    QTimer timer_;
    QWidget* box_ = nullptr;  // owned by the side panel
    std::array<QLabel*, 2> lines_{};
    int chimeSound_ = 0;
    int chimedSide_ = 0;    // the side whose byoyomi last chimed
    int chimedSecond_ = 0;  // and the second it chimed at
    ClockChoice choice_{};
};

}  // namespace app
