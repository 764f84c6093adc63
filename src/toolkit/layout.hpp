#pragma once

#include <span>
#include <variant>
#include <vector>

#include "toolkit/button.hpp"
#include "toolkit/check_box.hpp"
#include "toolkit/combo_box.hpp"
#include "toolkit/frame.hpp"
#include "toolkit/label.hpp"
#include "toolkit/list_box.hpp"
#include "toolkit/menu_item.hpp"
#include "toolkit/option_button.hpp"
#include "toolkit/path_list.hpp"
#include "toolkit/scroll_bar.hpp"
#include "toolkit/status_bar.hpp"
#include "toolkit/tab_control.hpp"
#include "toolkit/text_box.hpp"

namespace tw {

// The size of the font the forms are laid out for, in points, in the
// system's font family for dialogs.
constexpr int form_font_points = 8;

// A place on a form, in twips (1440 to the logical inch), from the top left
// corner of what holds it: the form's client area below its menu bar, a tab
// page, or a frame.
struct twips_rect {
    int left;
    int top;
    int width;
    int height;
};

// One of a group of option buttons; choosing it clears the rest of `group`.
struct option_choice {
    option_button* choice;
    std::span<option_button> group;
};

// Every kind of control a form places; the pointer's type says how a view
// shows it.
using placed_control = std::variant<button*, label*, frame*, check_box*, option_choice, text_box*,
                                    combo_box*, list_box*, scroll_bar*, drive_list*, folder_list*>;

// How a label looks beyond its caption.
enum class label_look {
    plain,
    sunken,   // a value in a box
    heading,  // twice the size, bold
    link,     // blue and underlined: clicking it opens a page
};

// One control of a form: what, its name (views name their widgets after it),
// where, and the frame it sits in (nullptr: the page itself). A frame comes
// before the controls it holds.
struct placement {
    placed_control control;
    const char* name;
    twips_rect at;
    const frame* in = nullptr;
    label_look look = label_look::plain;
};

// One entry of a drop-down menu; one with a submenu opens it.
struct menu_entry {
    menu_item* item;
    const char* name;
    std::span<menu_item> submenu = {};
    const char* submenu_name = "";  // the submenu's entries are named this + "_" + index
};

struct menu_layout {
    const char* title;
    std::vector<menu_entry> entries;
};

// A form's whole face, written once for every view: its menus, the pages of
// its tab control (or one page without one), and its status bar. Each page
// has its controls in creation order, frames before what they hold. Hidden
// controls keep their place: nothing moves when one is shown or hidden.
// Tab goes through the shown page's controls in this order, then to the tab
// strip: the focus starts on the page's first control, where the work is,
// and Shift+Tab from there reaches the strip.
struct form_layout {
    std::vector<menu_layout> menus = {};
    tab_control* tabs = nullptr;
    const char* tabs_name = "";
    std::vector<std::vector<placement>> pages = {};
    status_bar* status = nullptr;
    const char* status_name = "";
    // The button Enter presses when the focus is on a control that does
    // not take Enter itself (a text box); it shows a bolder border.
    button* default_button = nullptr;
};

// A placement's rectangle from the page's corner, adding up the frames that
// hold it.
twips_rect on_page(const placement& p, const std::vector<placement>& page);

}  // namespace tw
