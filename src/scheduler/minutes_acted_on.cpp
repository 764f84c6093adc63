#include "scheduler/minutes_acted_on.hpp"

namespace tw {

bool minutes_acted_on::first_time(wall_time t) {
    using namespace std::chrono;
    const wall_time minute = floor<minutes>(t);
    if (last_ && floor<days>(*last_) == floor<days>(minute) && minute <= *last_) return false;
    last_ = minute;
    return true;
}

}  // namespace tw
