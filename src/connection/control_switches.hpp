#pragma once

namespace tw {

class control;

// Switch a control only when it is not already in that state, so a view
// is never told about a change that did not happen.
void enable_control(control& c);
void disable_control(control& c);
// One of the two, as `enabled` says.
void switch_control(control& c, bool enabled);

}  // namespace tw
