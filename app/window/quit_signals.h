#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace app {

// SIGTERM, SIGINT and SIGHUP (a session ending, Ctrl+C in a terminal) end
// the game the way the player's own ways out do, the game kept. The handler
// itself does nothing but write a byte into a pipe; the window's thread
// reads it and runs `leave`.
class QuitSignals : public QObject {
public:
    QuitSignals(QObject* parent, std::function<void()> leave);
    ~QuitSignals() override;

private:
    std::function<void()> leave_;
    QSocketNotifier* notifier_ = nullptr;  // owned by this object
};

}  // namespace app
