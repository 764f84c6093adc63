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

}  // namespace tw
