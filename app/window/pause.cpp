#include "app/window/pause.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cmath>

namespace app {

void Pause::run(double seconds) {
    if (seconds <= 0 || cut_) return;
    // A timer may fire a little early: then it is started again for the rest.
    const auto total = static_cast<qint64>(std::ceil(seconds * 1e9));
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    loop_ = &loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    for (qint64 left = total; left > 0 && !cut_; left = total - clock.nsecsElapsed()) {
        timer.start(static_cast<int>((left + 999'999) / 1'000'000));
        // Repaints go on; the player's input waits until the pause is over.
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    loop_ = nullptr;
}

void Pause::cut() {
    cut_ = true;
    if (loop_) loop_->quit();
}

}  // namespace app
