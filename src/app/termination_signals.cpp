#include "app/termination_signals.h"

#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace dittaro {
namespace {

constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};

// [0] is written by the handler, [1] read by the event loop. One pair per process.
int signalPipe[2] = {-1, -1};

extern "C" void writeSignal(int signal) {
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    // Nothing can be done about a full pipe: the window is closing already then.
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[0], &byte, 1);
    errno = savedErrno;
}

void installHandlers(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals) {
        ::sigaction(signal, &action, nullptr);
    }
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void(int signal)> onSignal)
    : onSignal_(std::move(onSignal)) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0) {
        throw std::runtime_error("cannot create the signal pipe");
    }
    notifier_ = std::make_unique<QSocketNotifier>(signalPipe[1], QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { readSignals(); });
    installHandlers(writeSignal);
}

TerminationSignals::~TerminationSignals() {
    installHandlers(SIG_DFL);
    notifier_.reset();
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void TerminationSignals::readSignals() {
    unsigned char byte = 0;
    while (::read(signalPipe[1], &byte, 1) == 1) {
        if (onSignal_) {
            onSignal_(byte);
        }
    }
}

} // namespace dittaro
