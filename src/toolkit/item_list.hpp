#pragma once

#include <string>
#include <vector>

#include "toolkit/control.hpp"

namespace tw {

// One change to the items of a list, so that a view can follow it without
// comparing whole lists: an item appended at `index`, removed from `index`,
// its text replaced at `index`, or every item gone.
struct item_change {
    enum kind_t { appended, removed, replaced, cleared } kind;
    int index;
};

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
    void set_item(int index, std::string item);
    void clear();

    // -1 means no item is selected.
    int list_index() const { return list_index_; }
    void set_list_index(int index);

    event<> click;
    // Fired for views, before state_changed.
    event<item_change> items_changed;

protected:
    virtual void selection_moved() {}
    // Selects `index` (-1 for none) without telling anyone: for a subclass
    // that keeps its own state in step with the selection.
    void point_at(int index) { list_index_ = index; }

private:
    void check_index(int index) const;
    void changed(item_change change);

    std::vector<std::string> items_;
    int list_index_ = -1;
};

}  // namespace tw
