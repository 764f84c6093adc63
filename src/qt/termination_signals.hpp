#pragma once

#include <QObject>
#include <functional>
#include <memory>

namespace tw {

// Turns the system's requests to end the program into a call of `on_signal`
// on the UI thread, between events: SIGTERM, SIGINT and SIGHUP. One instance
// at a time; the old handling comes back when it goes. A second signal ends
// the process at once, with 128 + its number.
class termination_signals : public QObject {
public:
    explicit termination_signals(std::function<void()> on_signal);
    ~termination_signals() override;
    termination_signals(const termination_signals&) = delete;
    termination_signals& operator=(const termination_signals&) = delete;

private:
    class watcher;  // the signal handlers' side

    std::function<void()> on_signal_;
    std::unique_ptr<watcher> watcher_;
};

}  // namespace tw
