#pragma once

#include <span>

#include "toolkit/button.hpp"
#include "toolkit/check_box.hpp"
#include "toolkit/frame.hpp"
#include "toolkit/label.hpp"
#include "toolkit/menu_item.hpp"
#include "toolkit/option_button.hpp"
#include "toolkit/path_list.hpp"
#include "toolkit/scroll_bar.hpp"
#include "toolkit/status_bar.hpp"
#include "toolkit/tab_control.hpp"
#include "toolkit/text_box.hpp"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QTabWidget;
class QTreeView;

namespace tw {

// Each call ties a control to a widget for the widget's life: the widget
// shows the control's state, and what the user does to the widget goes to
// the control's setters and events. Widgets must have their parent already,
// or showing one would open it as a window of its own.
void adapt(button& control, QPushButton* widget);
void adapt(label& control, QLabel* widget);
void adapt(frame& control, QGroupBox* widget);
void adapt(status_bar& control, QLabel* widget);
void adapt(check_box& control, QCheckBox* widget);
void adapt(text_box& control, QLineEdit* widget);
void adapt(scroll_bar& control, QScrollBar* widget);
void adapt(tab_control& control, QTabWidget* widget);
void adapt(menu_item& control, QAction* widget);
// A folder chooser, shown as the tree of folders around its folder.
void adapt(path_list& control, QTreeView* widget);
// A drive chooser, shown as a drop-down list of its drives.
void adapt(drive_list& control, QComboBox* widget);
// A group of option buttons; choosing one clears the others.
void adapt(std::span<option_button> group, std::span<QRadioButton* const> widgets);

}  // namespace tw
