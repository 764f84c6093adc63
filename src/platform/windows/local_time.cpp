#include "platform/local_time.hpp"

#include <windows.h>

namespace tw {

wall_time local_now() {
    SYSTEMTIME local{};
    ::GetLocalTime(&local);
    return make_wall_time(local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute,
                          local.wSecond) +
           std::chrono::milliseconds(local.wMilliseconds);
}

// The bias is minutes west of UTC, the daylight bias added while summer time holds.
std::chrono::minutes local_utc_offset() {
    TIME_ZONE_INFORMATION zone{};
    const DWORD state = ::GetTimeZoneInformation(&zone);
    LONG bias = zone.Bias;
    if (state == TIME_ZONE_ID_DAYLIGHT) bias += zone.DaylightBias;
    if (state == TIME_ZONE_ID_STANDARD) bias += zone.StandardBias;
    return std::chrono::minutes{-bias};
}

// A local time in the gap turns into universal time and back as another one.
bool local_time_exists(wall_time t) {
    using namespace std::chrono;
    const auto day = floor<days>(t);
    const year_month_day date{day};
    const hh_mm_ss time{floor<seconds>(t - day)};
    SYSTEMTIME asked{};
    asked.wYear = static_cast<WORD>(static_cast<int>(date.year()));
    asked.wMonth = static_cast<WORD>(static_cast<unsigned>(date.month()));
    asked.wDay = static_cast<WORD>(static_cast<unsigned>(date.day()));
    asked.wHour = static_cast<WORD>(time.hours().count());
    asked.wMinute = static_cast<WORD>(time.minutes().count());
    SYSTEMTIME universal{};
    SYSTEMTIME shown{};
    if (!::TzSpecificLocalTimeToSystemTime(nullptr, &asked, &universal) ||
        !::SystemTimeToTzSpecificLocalTime(nullptr, &universal, &shown))
        return true;
    return shown.wDay == asked.wDay && shown.wHour == asked.wHour && shown.wMinute == asked.wMinute;
}

}  // namespace tw
