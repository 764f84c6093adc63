#include "connection/control_switches.hpp"

#include "toolkit/control.hpp"

namespace tw {

void enable_control(control& c) {
    if (!c.enabled()) c.set_enabled(true);
}

void disable_control(control& c) {
    if (c.enabled()) c.set_enabled(false);
}

void switch_control(control& c, bool enabled) {
    if (enabled)
        enable_control(c);
    else
        disable_control(c);
}

}  // namespace tw
