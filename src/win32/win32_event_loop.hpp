#pragma once

#include <windows.h>

#include <unordered_map>

#include "toolkit/event_loop.hpp"

namespace tw {

// The event loop of the running program on Windows: the thread's message
// queue. Timers are the system's, owned by a message-only window; a tick
// the timer is still running is dropped by the timer. Waiting sleeps in
// MsgWaitForMultipleObjectsEx until a message, a timer or the bound.
//
// Periods shorter than `shortest_period_ms` run at that period: the program
// asks for 1 ms where it only means "as soon as possible", and the system
// never ticks faster than about 10 ms either.
class win32_event_loop : public event_loop {
public:
    static constexpr int shortest_period_ms = 10;

    win32_event_loop();
    ~win32_event_loop() override;
    win32_event_loop(const win32_event_loop&) = delete;
    win32_event_loop& operator=(const win32_event_loop&) = delete;

    double clock() const override;
    wall_time now() const override;
    std::chrono::minutes utc_offset() const override;
    void do_events() override;
    void wait(double max_seconds) override;
    void add_timer(timer& t) override;
    void remove_timer(timer& t) override;

private:
    static LRESULT CALLBACK timer_window_proc(HWND window, UINT message, WPARAM w, LPARAM l);
    // Handles every queued message; false when there was none.
    bool handle_queued();
    void rearm(timer& t);

    HWND timer_window_;
    UINT_PTR next_id_ = 1;
    struct added {
        UINT_PTR id;
        scoped_connection rearmed;
    };
    std::unordered_map<timer*, added> ids_;
    std::unordered_map<UINT_PTR, timer*> timers_;
};

}  // namespace tw
