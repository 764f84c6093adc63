#pragma once

#include <QObject>
#include <array>
#include <csignal>
#include <functional>

class QSocketNotifier;

namespace tw {

// Turns SIGTERM, SIGINT and SIGHUP into a call of `on_signal` on the UI
// thread, between events. The handler only writes a byte to a pipe whose
// read end the event loop watches, as almost nothing else is safe inside a
// signal handler. One instance at a time; the old handlers come back when
// it goes. A second signal ends the process at once, with 128 + its number.
class termination_signals : public QObject {
public:
    explicit termination_signals(std::function<void()> on_signal);
    ~termination_signals() override;
    termination_signals(const termination_signals&) = delete;
    termination_signals& operator=(const termination_signals&) = delete;

private:
    static constexpr std::array watched{SIGTERM, SIGINT, SIGHUP};

    void drain_and_run();

    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
    std::function<void()> on_signal_;
    std::array<struct sigaction, watched.size()> previous_{};
};

}  // namespace tw
