#include "toolkit/posted_calls.hpp"

#include <algorithm>

namespace tw {

posted_calls::~posted_calls() {
    for (timer& runner : runners_) loop_.remove_timer(runner);
}

void posted_calls::post(std::function<void()> call) {
    calls_.push_back(std::move(call));
    if (std::ranges::any_of(runners_, [](const timer& t) { return t.armed(); })) return;
    auto idle = std::ranges::find_if(runners_, [](const timer& t) { return !t.ticking(); });
    if (idle == runners_.end()) {
        timer& runner = runners_.emplace_back();
        loop_.add_timer(runner);
        runner.tick.connect([this, &runner] { run_calls(runner); });
        idle = std::prev(runners_.end());
    }
    idle->start(1);
}

// Each call is taken off before it runs, so a runner that starts while this
// one waits inside a call goes on with the next.
void posted_calls::run_calls(timer& runner) {
    runner.stop();
    while (!calls_.empty()) {
        const std::function<void()> call = std::move(calls_.front());
        calls_.pop_front();
        call();
    }
}

}  // namespace tw
