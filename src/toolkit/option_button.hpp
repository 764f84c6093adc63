#pragma once

#include <string>

#include "toolkit/control.hpp"

namespace tw {

// One of a group of round buttons; Click fires when it becomes chosen.
class option_button : public control {
public:
    const std::string& caption() const { return caption_; }
    void set_caption(std::string caption) { update(caption_, std::move(caption)); }

    bool value() const { return value_; }
    void set_value(bool value) {
        if (update(value_, value) && value) click();
    }

    event<> click;

private:
    std::string caption_;
    bool value_ = false;
};

}  // namespace tw
