#pragma once

#include <QString>

#include <functional>
#include <string>

#include "state/window_port.h"

class QWidget;

namespace app {

// A message box the game asks for.
struct BoxRequest {
    std::string text;
    std::string title;
    state::Buttons buttons = state::Buttons::Ok;
    state::Icon icon = state::Icon::None;
};

// Who answers a box: real message boxes in play, a script in tests.
using BoxAnswerer = std::function<state::Answer(QWidget* parent, const BoxRequest&)>;

// The game's message boxes, worded in the language chosen. With fewer
// interruptions (ｵﾌﾟｼｮﾝ → 確認を減らす) a box that offers only OK is said
// instead (in the status line and the side panel) and play goes on; a
// question stays a box, and いいえ after a game asks first whether to quit.
class MessageBoxes {
public:
    MessageBoxes(QWidget& parent, BoxAnswerer answer) : parent_(parent), answer_(std::move(answer)) {}

    state::Answer ask(const state::Message& text, state::Text title, state::Buttons buttons,
                      state::Icon icon);
    // The program is ending: nothing more is asked; boxes answer No or OK unasked.
    void stopAsking() { stopped_ = true; }

    bool fewerInterruptions() const { return fewer_; }
    void setFewerInterruptions(bool on) { fewer_ = on; }

    // What was said instead of boxes since it was last cleared, one line.
    const QString& said() const { return said_; }
    void clearSaid() { said_.clear(); }
    // はい after a game, with fewer interruptions: the player wants a new
    // game of the same kind and side. Answers it once.
    bool takeNewGameWanted();
    // Asks whether to quit (Esc with fewer interruptions); true to quit.
    bool confirmQuit();
    // A box of the window's own (a notice), always a box.
    void tell(const QString& text, state::Icon icon = state::Icon::Exclamation);

private:
    void say(const QString& words);

    QWidget& parent_;
    BoxAnswerer answer_;
    bool stopped_ = false;
    bool fewer_ = false;
    bool newGameWanted_ = false;
    QString said_;
};

}  // namespace app
