#pragma once

class QEventLoop;

namespace app {

// The game's pause: the window keeps repainting and the player's input
// waits until it is over. Measured on the monotonic clock, so it is never
// shorter than asked; cut() ends it at once (the program is ending).
class Pause {
public:
    void run(double seconds);
    void cut();
    bool cutShort() const { return cut_; }

private:
    QEventLoop* loop_ = nullptr;  // the pause under way, if any
    bool cut_ = false;
};

}  // namespace app
