#pragma once

#include <QObject>
#include <functional>
#include <memory>

namespace tw {

// Turns the system's requests to end the program into a call of `on_signal`
// on the UI thread, between events: SIGTERM, SIGINT and SIGHUP on POSIX; a
// console's Ctrl+C, Ctrl+Break and close, log-off and shutdown on Windows.
// One instance at a time; the old handling comes back when it goes. On POSIX
// a second signal ends the process at once, with 128 + its number.
class termination_signals : public QObject {
public:
    explicit termination_signals(std::function<void()> on_signal);
    ~termination_signals() override;
    termination_signals(const termination_signals&) = delete;
    termination_signals& operator=(const termination_signals&) = delete;

private:
    class watcher;  // the system's side, one per OS

    std::function<void()> on_signal_;
    std::unique_ptr<watcher> watcher_;
};

}  // namespace tw
