#include "platform/bounded_lock.hpp"

#include <thread>

namespace tw {

bool retry_for(std::chrono::milliseconds patience, const std::function<bool()>& attempt) {
    constexpr std::chrono::milliseconds pause{10};
    const auto give_up_at = std::chrono::steady_clock::now() + patience;
    for (;;) {
        if (attempt()) return true;
        if (std::chrono::steady_clock::now() >= give_up_at) return false;
        std::this_thread::sleep_for(pause);
    }
}

}  // namespace tw
