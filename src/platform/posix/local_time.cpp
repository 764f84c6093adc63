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

std::chrono::minutes local_utc_offset() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::chrono::duration_cast<std::chrono::minutes>(std::chrono::seconds{local.tm_gmtoff});
}

// mktime moves a time in a gap to one the clock shows (02:30 to 03:30).
bool local_time_exists(wall_time t) {
    using namespace std::chrono;
    const auto day = floor<days>(t);
    const year_month_day date{day};
    const hh_mm_ss time{floor<seconds>(t - day)};
    std::tm asked{};
    asked.tm_year = static_cast<int>(date.year()) - 1900;
    asked.tm_mon = static_cast<int>(static_cast<unsigned>(date.month())) - 1;
    asked.tm_mday = static_cast<int>(static_cast<unsigned>(date.day()));
    asked.tm_hour = static_cast<int>(time.hours().count());
    asked.tm_min = static_cast<int>(time.minutes().count());
    asked.tm_isdst = -1;
    std::tm shown = asked;
    if (std::mktime(&shown) == -1) return true;
    return shown.tm_mday == asked.tm_mday && shown.tm_hour == asked.tm_hour &&
           shown.tm_min == asked.tm_min;
}

}  // namespace tw
