#pragma once

#include "toolkit/captioned_control.hpp"

namespace tw {

// A captioned box that groups other controls.
class frame : public captioned_control {};

}  // namespace tw
