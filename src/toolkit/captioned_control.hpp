#pragma once

#include <string>

#include "toolkit/control.hpp"

namespace tw {

// A control that shows a caption of its own.
class captioned_control : public control {
public:
    const std::string& caption() const { return caption_; }
    void set_caption(std::string caption) { update(caption_, std::move(caption)); }

private:
    std::string caption_;
};

}  // namespace tw
