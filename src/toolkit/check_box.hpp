#pragma once

#include <string>

#include "toolkit/control.hpp"

namespace tw {

// Value 0 cleared, 1 ticked, 2 greyed. Click fires when the value changes,
// clicked or set by code.
class check_box : public control {
public:
    const std::string& caption() const { return caption_; }
    void set_caption(std::string caption) { update(caption_, std::move(caption)); }

    int value() const { return value_; }
    void set_value(int value) {
        if (update(value_, value)) click();
    }
    bool ticked() const { return value_ == 1; }

    event<> click;

private:
    std::string caption_;
    int value_ = 0;
};

}  // namespace tw
