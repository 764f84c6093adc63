#pragma once

#include <string>

#include "toolkit/control.hpp"

namespace tw {

// One entry of a menu array; the handlers tell entries apart by `index`.
// A caption of "-" is a separator line.
class menu_item : public control {
public:
    menu_item(int index, std::string caption, bool visible = true)
        : index_(index), caption_(std::move(caption)) {
        set_visible(visible);
    }

    int index() const { return index_; }
    const std::string& caption() const { return caption_; }
    void set_caption(std::string caption) { update(caption_, std::move(caption)); }

    event<int> click;  // carries the index

private:
    int index_;
    std::string caption_;
};

}  // namespace tw
