#pragma once

#include <string>

#include "toolkit/control.hpp"

namespace tw {

// Click fires only when the user clicks; code calls the handler directly.
class button : public control {
public:
    const std::string& caption() const { return caption_; }
    void set_caption(std::string caption) { update(caption_, std::move(caption)); }

    event<> click;

private:
    std::string caption_;
};

}  // namespace tw
