#pragma once

#include <span>

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

// What a user's pick of `chosen` does: the rest of its group are cleared
// first, then it becomes chosen and fires Click.
inline void choose(option_button& chosen, std::span<option_button> group) {
    for (option_button& other : group)
        if (&other != &chosen) other.set_value(false);
    chosen.set_value(true);
}

}  // namespace tw
