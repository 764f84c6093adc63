#include "platform/local_time.hpp"

#include <ctime>

namespace tw {

wall_time local_now() {
    using namespace std::chrono;
    const auto at = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(at);
    std::tm local{};
    localtime_r(&seconds, &local);
    const auto millis = duration_cast<milliseconds>(at - system_clock::from_time_t(seconds));
    return make_wall_time(local.tm_year + 1900, static_cast<unsigned>(local.tm_mon + 1),
                          static_cast<unsigned>(local.tm_mday), local.tm_hour, local.tm_min,
                          local.tm_sec) +
           millis;
}

}  // namespace tw
