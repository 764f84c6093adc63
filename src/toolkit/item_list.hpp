#pragma once

#include <string>
#include <vector>

#include "toolkit/control.hpp"

namespace tw {

// The items and selection shared by list boxes and combo boxes.
// Click fires whenever the selected index is set, by the user's pick or by
// code, also when it is set to the index it already has.
class item_list : public control {
public:
    const std::vector<std::string>& items() const { return items_; }
    int list_count() const { return static_cast<int>(items_.size()); }
    const std::string& item(int index) const { return items_.at(static_cast<std::size_t>(index)); }

    void add_item(std::string item);
    void remove_item(int index);  // the selection is lost when its item goes
    void clear();

    // -1 means no item is selected.
    int list_index() const { return list_index_; }
    void set_list_index(int index);

    event<> click;

protected:
    virtual void selection_moved() {}

private:
    std::vector<std::string> items_;
    int list_index_ = -1;
};

}  // namespace tw
