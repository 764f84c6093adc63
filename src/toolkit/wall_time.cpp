#include "toolkit/wall_time.hpp"

#include <cstdio>

namespace tw {

using namespace std::chrono;

wall_time make_wall_time(int year, unsigned month, unsigned day, int hour, int minute, int second) {
    const local_days date{std::chrono::year{year} / std::chrono::month{month} /
                          std::chrono::day{day}};
    return wall_time{date} + hours{hour} + minutes{minute} + seconds{second};
}

std::string format_date(wall_time t) {
    const year_month_day ymd{floor<days>(t)};
    char text[16];
    std::snprintf(text, sizeof text, "%02u-%02u-%04d", static_cast<unsigned>(ymd.month()),
                  static_cast<unsigned>(ymd.day()), static_cast<int>(ymd.year()));
    return text;
}

std::string format_iso_8601(moment m) {
    const year_month_day ymd{floor<days>(m.local)};
    const hh_mm_ss hms{floor<seconds>(m.local - floor<days>(m.local))};
    const auto offset = static_cast<int>(std::chrono::abs(m.utc_offset).count());
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d%c%02d:%02d",
                  static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()),
                  static_cast<unsigned>(ymd.day()), static_cast<int>(hms.hours().count()),
                  static_cast<int>(hms.minutes().count()), static_cast<int>(hms.seconds().count()),
                  m.utc_offset.count() < 0 ? '-' : '+', offset / 60, offset % 60);
    return text;
}

std::string format_time(wall_time t) {
    const hh_mm_ss hms{floor<seconds>(t - floor<days>(t))};
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(hms.hours().count()),
                  static_cast<int>(hms.minutes().count()), static_cast<int>(hms.seconds().count()));
    return text;
}

}  // namespace tw
