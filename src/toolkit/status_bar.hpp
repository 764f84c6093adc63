#pragma once

#include <string>

#include "toolkit/control.hpp"

namespace tw {

class status_bar : public control {
public:
    const std::string& text() const { return text_; }
    void set_text(std::string text) { update(text_, std::move(text)); }

private:
    std::string text_;
};

}  // namespace tw
