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

namespace {
std::chrono::milliseconds milliseconds_of(double seconds) {
    return std::chrono::milliseconds{std::llround(seconds * 1000.0)};
}
}  // namespace

virtual_event_loop::universal_time virtual_event_loop::universal_now() const {
    return universal_at_zero_ + milliseconds_of(clock_);
}

wall_time virtual_event_loop::now() const {
    const universal_time at = universal_now();
    return wall_time{(at + zone_(at)).time_since_epoch()};
}

// The offset at `t` read as universal time may be the one before a change
// that lies within the offset; the offset at the first guess mends that.
void virtual_event_loop::set_now(wall_time t) {
    const universal_time as_if_universal{t.time_since_epoch()};
    const universal_time at = as_if_universal - zone_(as_if_universal - zone_(as_if_universal));
    universal_at_zero_ = at - milliseconds_of(clock_);
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
