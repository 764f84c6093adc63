#pragma once

#include "toolkit/captioned_control.hpp"

namespace tw {

// One of a group of round buttons; Click fires when it becomes chosen.
class option_button : public captioned_control {
public:
    bool value() const { return value_; }
    void set_value(bool value) {
        if (update(value_, value) && value) click();
    }

    event<> click;

private:
    bool value_ = false;
};

}  // namespace tw
