#include "toolkit/item_list.hpp"

#include <stdexcept>

namespace tw {

void item_list::check_index(int index) const {
    if (index < 0 || index >= list_count()) throw std::out_of_range("list index out of range");
}

void item_list::changed(item_change change) {
    items_changed(change);
    state_changed();
}

void item_list::add_item(std::string item) {
    items_.push_back(std::move(item));
    changed({item_change::appended, list_count() - 1});
}

void item_list::remove_item(int index) {
    check_index(index);
    items_.erase(items_.begin() + index);
    if (list_index_ == index) {
        list_index_ = -1;
        selection_moved();
    } else if (list_index_ > index) {
        --list_index_;
    }
    changed({item_change::removed, index});
}

void item_list::set_item(int index, std::string item) {
    check_index(index);
    if (items_[static_cast<std::size_t>(index)] == item) return;
    items_[static_cast<std::size_t>(index)] = std::move(item);
    if (list_index_ == index) selection_moved();
    changed({item_change::replaced, index});
}

void item_list::clear() {
    items_.clear();
    list_index_ = -1;
    selection_moved();
    changed({item_change::cleared, 0});
}

void item_list::set_list_index(int index) {
    if (index != -1) check_index(index);
    list_index_ = index;
    selection_moved();
    state_changed();
    click();
}

}  // namespace tw
