#pragma once

#include <functional>
#include <utility>
#include <vector>

namespace tw {

// A list of handlers run in the order they were connected. Controls fire
// their events synchronously, from inside the setter that caused them.
template <class... Args>
class event {
public:
    using handler = std::function<void(Args...)>;

    void connect(handler h) { handlers_.push_back(std::move(h)); }

    void operator()(Args... args) const {
        for (const auto& h : handlers_) h(args...);
    }

private:
    std::vector<handler> handlers_;
};

}  // namespace tw
