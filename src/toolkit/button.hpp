#pragma once

#include "toolkit/captioned_control.hpp"

namespace tw {

// Click fires only when the user clicks; code calls the handler directly.
class button : public captioned_control {
public:
    colour back_colour() const { return back_colour_; }
    void set_back_colour(colour c) { update(back_colour_, c); }

    event<> click;

private:
    colour back_colour_ = system_button_face;
};

}  // namespace tw
