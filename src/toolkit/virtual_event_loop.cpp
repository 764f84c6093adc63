#include "toolkit/virtual_event_loop.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <thread>

namespace tw {

namespace {
constexpr double never = std::numeric_limits<double>::infinity();
}

virtual_event_loop::virtual_event_loop(wall_time start) { set_now(start); }

wall_time virtual_event_loop::now() const {
    return wall_at_zero_ + std::chrono::milliseconds{std::llround(clock_ * 1000.0)};
}

void virtual_event_loop::set_now(wall_time t) {
    wall_at_zero_ = t - std::chrono::milliseconds{std::llround(clock_ * 1000.0)};
}

void virtual_event_loop::do_events() { advance_to(std::min(clock_ + step_seconds, next_due())); }

void virtual_event_loop::wait(double max_seconds) {
    advance_to(std::min(clock_ + std::max(max_seconds, 0.0), next_due()));
}

void virtual_event_loop::add_timer(timer& t) {
    timers_.push_back({&t, never, t.rearmed.connect([this, &t] {
                           for (auto& a : timers_)
                               if (a.t == &t)
                                   a.due = t.armed() ? clock_ + t.interval() / 1000.0 : never;
                       })});
}

void virtual_event_loop::remove_timer(timer& t) {
    std::erase_if(timers_, [&t](const armed_timer& a) { return a.t == &t; });
}

void virtual_event_loop::run_for(double seconds) {
    const double end = clock_ + seconds;
    while (clock_ < end) wait(end - clock_);
}

bool virtual_event_loop::run_until(const std::function<bool()>& done, double max_seconds) {
    const double end = clock_ + max_seconds;
    while (!done() && clock_ < end) wait(end - clock_);
    return done();
}

double virtual_event_loop::next_due() const {
    double due = never;
    for (const auto& a : timers_)
        if (!a.t->ticking()) due = std::min(due, a.due);
    return due;
}

void virtual_event_loop::advance_to(double target) {
    if (take_outside_) take_outside_();
    if (target > clock_) {
        if (real_time_) std::this_thread::sleep_for(std::chrono::duration<double>(target - clock_));
        clock_ = target;
    }
    fire_due_timers();
}

// Fires every timer whose period is over, earliest first. A tick may wait and
// so advance the clock itself; the loop then goes on from the new time.
void virtual_event_loop::fire_due_timers() {
    for (;;) {
        armed_timer* next = nullptr;
        for (auto& a : timers_)
            if (!a.t->ticking() && a.due <= clock_ && (!next || a.due < next->due)) next = &a;
        if (!next) return;
        timer& t = *next->t;
        next->due = clock_ + t.interval() / 1000.0;
        t.fire();
        // Ticks missed while this one ran are dropped, not queued.
        for (auto& a : timers_)
            if (a.t == &t && t.armed()) a.due = std::max(a.due, clock_ + t.interval() / 1000.0);
    }
}

}  // namespace tw
