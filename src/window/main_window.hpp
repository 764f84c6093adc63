#pragma once

namespace tw {

class program;
class window;

// The main window's own behaviour: the option handlers that keep the
// program's values in step with the controls, the fixed size, centring, and
// the task editor's choice lists.
class main_window {
public:
    explicit main_window(program& p);

    void frm_main_Form_Resize();
    void center_form(window& form);
    // The editor's start/stop times (every ten minutes) and intervals up to
    // "12 hours"; "Daily" is appended later in the start-up.
    void fill_choice_lists();

private:
    void connect_option_handlers();

    program& p_;
};

}  // namespace tw
