#pragma once

#include <algorithm>

#include "toolkit/control.hpp"

namespace tw {

// Change fires when the value changes, by an arrow click or by code.
class scroll_bar : public control {
public:
    int value() const { return value_; }
    void set_value(int value) {
        if (update(value_, value)) change();
    }

    int min() const { return min_; }
    int max() const { return max_; }
    void set_min(int min) { update(min_, min); }
    void set_max(int max) { update(max_, max); }

    event<> change;

private:
    int value_ = 0;
    int min_ = 0;
    int max_ = 0;
};

}  // namespace tw
