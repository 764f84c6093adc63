#pragma once

#include <string>

#include "toolkit/captioned_control.hpp"

namespace tw {

// The line below the forms. Its caption is the status text, which the
// program sets and reads as text.
class status_bar : public captioned_control {
public:
    const std::string& text() const { return caption(); }
    void set_text(std::string text) { set_caption(std::move(text)); }
};

}  // namespace tw
