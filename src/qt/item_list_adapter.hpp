#pragma once

#include "toolkit/combo_box.hpp"
#include "toolkit/list_box.hpp"

class QComboBox;
class QListWidget;

namespace tw {

// The items and selection of a list; a pick by the user sets the list
// index, which fires the control's Click. Typing into an editable combo box
// sets its text only; Enter, or leaving the box, fires its edit_ended.
void adapt(list_box& control, QListWidget* widget);
void adapt(combo_box& control, QComboBox* widget);

}  // namespace tw
