#pragma once

#include "toolkit/captioned_control.hpp"

namespace tw {

// Value 0 cleared, 1 ticked, 2 greyed. Click fires when the value changes,
// clicked or set by code.
class check_box : public captioned_control {
public:
    int value() const { return value_; }
    void set_value(int value) {
        if (update(value_, value)) click();
    }
    bool ticked() const { return value_ == 1; }

    event<> click;

private:
    int value_ = 0;
};

}  // namespace tw
