#pragma once

#include <string>

#include "toolkit/item_list.hpp"

namespace tw {

// A drop-down list, or with `editable` a box the user can also type into.
// Selecting an item copies it into the text; setting the text, or typing,
// does not fire Click.
class combo_box : public item_list {
public:
    explicit combo_box(bool editable = false) : editable_(editable) {}

    bool editable() const { return editable_; }

    const std::string& text() const { return text_; }
    void set_text(std::string text) { update(text_, std::move(text)); }

    // The user ended typing into an editable box: Enter, or the focus left
    // it (reported by the view).
    event<> edit_ended;

private:
    void selection_moved() override {
        text_ = list_index() < 0 ? std::string() : item(list_index());
    }

    bool editable_;
    std::string text_;
};

}  // namespace tw
