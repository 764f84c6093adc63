#pragma once

#include <algorithm>
#include <string>

#include "toolkit/item_list.hpp"

namespace tw {

// A drop-down list, or with `editable` a box the user can also type into.
// The text and the list's selection agree: selecting an item copies it into
// the text, and setting the text, by code or by typing, selects the item
// equal to it, or none. Only a selection fires Click, so a list steps on
// from the value it shows.
class combo_box : public item_list {
public:
    explicit combo_box(bool editable = false) : editable_(editable) {}

    bool editable() const { return editable_; }

    const std::string& text() const { return text_; }
    void set_text(std::string text) {
        const auto found = std::find(items().begin(), items().end(), text);
        const int index = found == items().end() ? -1 : static_cast<int>(found - items().begin());
        if (text == text_ && index == list_index()) return;
        text_ = std::move(text);
        point_at(index);
        state_changed();
    }

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
