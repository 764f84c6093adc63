#pragma once

#include <cstdint>

#include "toolkit/event.hpp"

namespace tw {

// Colours as the program stores them: 0x00BBGGRR, or a system colour with the
// top bit set.
using colour = std::uint32_t;
constexpr colour system_window_colour = 0x80000005;
constexpr colour system_button_face = 0x8000000F;
constexpr colour red = 0x000000FF;
constexpr colour light_grey = 0x00C0C0C0;

// State common to every control. Views listen to `state_changed` to mirror
// the control; the program never does.
class control {
public:
    control() = default;
    control(const control&) = delete;
    control& operator=(const control&) = delete;
    virtual ~control() = default;

    bool enabled() const { return enabled_; }
    void set_enabled(bool enabled) { update(enabled_, enabled); }

    bool visible() const { return visible_; }
    void set_visible(bool visible) { update(visible_, visible); }

    event<> state_changed;

protected:
    // Stores `value` and tells the view; returns whether it changed.
    template <class T>
    bool update(T& field, T value) {
        if (field == value) return false;
        field = std::move(value);
        state_changed();
        return true;
    }

private:
    bool enabled_ = true;
    bool visible_ = true;
};

}  // namespace tw
