#include "app/stop_signals.h"

#include <QSocketNotifier>
#include <fcntl.h>
#include <unistd.h>

#include <csignal>

namespace strevo {
namespace {

int signal_pipe[2] = {-1, -1};

void note_signal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signal_pipe[1], &byte, 1);
}

}  // namespace

void on_stop_signal(std::function<void()> stop) {
    if (::pipe2(signal_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    // The handler only writes a byte; the stop itself runs from the event loop.
    auto* notifier = new QSocketNotifier(signal_pipe[0], QSocketNotifier::Read);
    QObject::connect(notifier, &QSocketNotifier::activated, [stop = std::move(stop)] { stop(); });
    struct sigaction action {};
    action.sa_handler = note_signal;
    sigemptyset(&action.sa_mask);
    for (const int signal_number : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal_number, &action, nullptr);
}

}  // namespace strevo
