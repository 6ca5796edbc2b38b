#pragma once

// SIGTERM, SIGINT and SIGHUP (a desktop session ending, Ctrl+C in a terminal) close the main
// window the orderly way, so the settings are saved as on "Beenden". The handler only writes
// to a pipe; the event loop reads it and runs the callback on the user-interface thread.

#include <functional>
#include <memory>

class QSocketNotifier;

namespace dittaro {

class TerminationSignals {
public:
    // Installs the handlers at once; a signal that arrives before the event loop runs is
    // kept and handled when it starts.
    explicit TerminationSignals(std::function<void(int signal)> onSignal);
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    void setCallback(std::function<void(int signal)> onSignal) { onSignal_ = std::move(onSignal); }

private:
    void readSignals();

    std::function<void(int)> onSignal_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace dittaro
