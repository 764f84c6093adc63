#pragma once

#include <deque>
#include <functional>
#include <list>

#include "toolkit/event_loop.hpp"
#include "toolkit/timer.hpp"

namespace tw {

// Calls run from the event loop soon after they are posted, in the order
// posted, outside the poster's own stack. A call may let events run for a
// long time (a dialer's report of a line starts a session, whose connect
// tasks run inside it); calls posted meanwhile still run then. A timer does
// not tick again while its tick runs, so each call runs from a timer that is
// not busy with an earlier one.
class posted_calls {
public:
    explicit posted_calls(event_loop& loop) : loop_(loop) {}
    ~posted_calls();
    posted_calls(const posted_calls&) = delete;
    posted_calls& operator=(const posted_calls&) = delete;

    void post(std::function<void()> call);

private:
    void run_calls(timer& runner);

    event_loop& loop_;
    std::deque<std::function<void()>> calls_;
    std::list<timer> runners_;  // as many as calls ever ran inside each other
};

}  // namespace tw
