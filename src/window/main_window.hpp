#pragma once

#include <string>

namespace tw {

class program;
class text_box;
class window;

// The main window's own behaviour: the option handlers that keep the
// program's values in step with the controls, the fixed size, centring, and
// the task editor's choice lists.
class main_window {
public:
    explicit main_window(program& p);

    void frm_main_Form_Resize();
    // Timeout and Retry Count: `value` follows the box.
    void count_box_Change(text_box& box, std::string& value);
    void center_form(window& form);
    // The editor's start/stop times (every ten minutes) and intervals up to
    // "12 hours"; "Daily" is appended later in the start-up.
    void fill_choice_lists();

private:
    program& p_;
};

}  // namespace tw
