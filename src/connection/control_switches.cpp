#include "connection/control_switches.hpp"

#include "toolkit/control.hpp"

namespace tw {

void enable_control(control& c) {
    if (!c.enabled()) c.set_enabled(true);
}

void disable_control(control& c) {
    if (c.enabled()) c.set_enabled(false);
}

}  // namespace tw
