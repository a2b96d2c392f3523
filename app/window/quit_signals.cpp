#include "app/window/quit_signals.h"

#include <QSocketNotifier>

#include <array>
#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

namespace app {

namespace {

constexpr std::array<int, 3> kSignals{SIGTERM, SIGINT, SIGHUP};

// The pipe's two ends. A signal handler can reach nothing but what lives for
// the whole process: this is the one such state of the program.
std::array<int, 2> pipeEnds{-1, -1};

extern "C" void onSignal(int) {
    const char byte = 1;
    // Nothing else is safe here; a full pipe already holds a request.
    [[maybe_unused]] const ssize_t written = ::write(pipeEnds[0], &byte, 1);
}

}  // namespace

QuitSignals::QuitSignals(QObject* parent, std::function<void()> leave)
    : QObject(parent), leave_(std::move(leave)) {
    if (pipeEnds[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pipeEnds.data()) != 0)
        return;
    notifier_ = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(pipeEnds[1], &byte, 1);
        if (leave_) leave_();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int s : kSignals) ::sigaction(s, &action, nullptr);
}

QuitSignals::~QuitSignals() {
    if (!notifier_) return;
    for (const int s : kSignals) std::signal(s, SIG_DFL);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    pipeEnds = {-1, -1};
}

}  // namespace app
