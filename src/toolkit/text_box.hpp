#pragma once

#include <string>

#include "toolkit/control.hpp"

namespace tw {

// Change fires when the text changes, typed or set by code, never when it is
// set to the text it already has.
class text_box : public control {
public:
    const std::string& text() const { return text_; }
    void set_text(std::string text) {
        if (update(text_, std::move(text))) change();
    }

    colour back_colour() const { return back_colour_; }
    void set_back_colour(colour c) { update(back_colour_, c); }

    // A locked box takes no typing; its text stays readable and can be
    // selected and copied, unlike a disabled box's.
    bool locked() const { return locked_; }
    void set_locked(bool locked) { update(locked_, locked); }

    event<> change;
    event<> lost_focus;  // reported by the view

private:
    std::string text_;
    colour back_colour_ = system_window_colour;
    bool locked_ = false;
};

}  // namespace tw
