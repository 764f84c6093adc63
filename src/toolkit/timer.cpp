#include "toolkit/timer.hpp"

namespace tw {

void timer::fire() {
    if (ticking_ || !armed()) return;
    ticking_ = true;
    struct reset {
        bool& flag;
        ~reset() { flag = false; }
    } guard{ticking_};
    tick();
}

}  // namespace tw
