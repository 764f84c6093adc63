#pragma once

#include <string>

#include "toolkit/item_list.hpp"

namespace tw {

class list_box : public item_list {
public:
    // The selected item's text, "" when none is selected.
    std::string text() const { return list_index() < 0 ? std::string() : item(list_index()); }
};

}  // namespace tw
