#pragma once

#include <optional>

#include "toolkit/wall_time.hpp"

namespace tw {

// The last minute of the clock a schedule acted on. A minute the clock shows
// again the same day (the hour repeated when summer time ends, a clock set
// back) is not acted on twice: each minute of a day acts once, as the agenda
// lists it.
class minutes_acted_on {
public:
    // True, and noted, when `t`'s minute comes after the last one acted on,
    // or on another day; false when it was acted on already.
    bool first_time(wall_time t);

private:
    std::optional<wall_time> last_;
};

}  // namespace tw
