#pragma once

#include "toolkit/captioned_control.hpp"

namespace tw {

class label : public captioned_control {
public:
    event<> click;  // the user clicked it
};

}  // namespace tw
