#pragma once

#include "toolkit/captioned_control.hpp"

namespace tw {

// Click fires only when the user clicks; code calls the handler directly.
class button : public captioned_control {
public:
    event<> click;
};

}  // namespace tw
