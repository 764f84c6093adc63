#pragma once

#include <QObject>
#include <unordered_map>

#include "toolkit/event_loop.hpp"

class QTimer;

namespace tw {

// The event loop of the running program: Qt's, on the one UI thread.
// Each added timer gets a QTimer that follows the timer's interval and
// enabled state; a tick the timer is still running is dropped by the timer.
//
// Periods shorter than `shortest_period_ms` run at that period: the program
// asks for 1 ms where it only means "as soon as possible", and the system it
// was written for never ticked faster than about 10 ms either.
class qt_event_loop : public event_loop {
public:
    static constexpr int shortest_period_ms = 10;

    double clock() const override;
    wall_time now() const override;
    std::chrono::minutes utc_offset() const override;
    void do_events() override;
    // Blocks in Qt's event dispatcher until it has handled something, or
    // `max_seconds` have passed; callers loop and check their condition.
    void wait(double max_seconds) override;
    void add_timer(timer& t) override;
    void remove_timer(timer& t) override;

private:
    void rearm(timer& t);

    QObject owner_;  // parent of the QTimers
    struct added {
        QTimer* qt_timer;
        scoped_connection rearmed;
    };
    std::unordered_map<timer*, added> timers_;
};

}  // namespace tw
