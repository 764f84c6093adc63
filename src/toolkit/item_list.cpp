#include "toolkit/item_list.hpp"

#include <stdexcept>

namespace tw {

void item_list::add_item(std::string item) {
    items_.push_back(std::move(item));
    state_changed();
}

void item_list::remove_item(int index) {
    if (index < 0 || index >= list_count()) throw std::out_of_range("list index out of range");
    items_.erase(items_.begin() + index);
    if (list_index_ == index) {
        list_index_ = -1;
        selection_moved();
    } else if (list_index_ > index) {
        --list_index_;
    }
    state_changed();
}

void item_list::clear() {
    items_.clear();
    list_index_ = -1;
    selection_moved();
    state_changed();
}

void item_list::set_list_index(int index) {
    if (index < -1 || index >= list_count()) throw std::out_of_range("list index out of range");
    list_index_ = index;
    selection_moved();
    state_changed();
    click();
}

}  // namespace tw
