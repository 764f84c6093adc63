#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace tw {

namespace detail {
struct link_state {
    bool connected = true;
};
}  // namespace detail

// A handler's link to its event. Dropping it leaves the handler connected:
// the program's own handlers live as long as its controls. Nothing happens
// when the event is gone already.
class connection {
public:
    connection() = default;
    void disconnect() {
        if (const auto state = state_.lock()) state->connected = false;
        state_.reset();
    }

private:
    template <class... Args>
    friend class event;
    explicit connection(std::weak_ptr<detail::link_state> state) : state_(std::move(state)) {}

    std::weak_ptr<detail::link_state> state_;
};

// Disconnects its handler when it is destroyed: for a handler that uses an
// object which may die before the event's control (a view, a loop).
class scoped_connection {
public:
    scoped_connection() = default;
    scoped_connection(connection c) : connection_(std::move(c)) {}  // NOLINT: implicit by design
    scoped_connection(scoped_connection&& other) noexcept
        : connection_(std::exchange(other.connection_, {})) {}
    scoped_connection& operator=(scoped_connection&& other) noexcept {
        if (this != &other) {
            connection_.disconnect();
            connection_ = std::exchange(other.connection_, {});
        }
        return *this;
    }
    scoped_connection(const scoped_connection&) = delete;
    scoped_connection& operator=(const scoped_connection&) = delete;
    ~scoped_connection() { connection_.disconnect(); }

private:
    connection connection_;
};

// A list of handlers run in the order they were connected. Controls fire
// their events synchronously, from inside the setter that caused them. A
// handler may connect or disconnect handlers while the event fires: one
// connected then first runs at the next firing, one disconnected does not
// run again.
template <class... Args>
class event {
public:
    using handler = std::function<void(Args...)>;

    connection connect(handler h) {
        if (firing_ == 0) drop_disconnected();
        auto made = std::make_shared<link>(std::move(h));
        links_.push_back(made);
        return connection(made);
    }

    void operator()(Args... args) const {
        ++firing_;
        struct done {
            const event& e;
            ~done() {
                if (--e.firing_ == 0) e.drop_disconnected();
            }
        } guard{*this};
        const std::size_t count = links_.size();
        for (std::size_t i = 0; i < count; ++i) {
            const std::shared_ptr<link> l = links_[i];  // lives while its handler runs
            if (l->connected) l->run(args...);
        }
    }

private:
    struct link : detail::link_state {
        explicit link(handler h) : run(std::move(h)) {}
        handler run;
    };

    void drop_disconnected() const {
        std::erase_if(links_, [](const std::shared_ptr<link>& l) { return !l->connected; });
    }

    mutable std::vector<std::shared_ptr<link>> links_;
    mutable int firing_ = 0;
};

}  // namespace tw
