#include "window/main_window.hpp"

#include <cstdio>

#include "helpers/number_text.hpp"
#include "program.hpp"

namespace tw {

namespace {
constexpr int fixed_width = 6135;
constexpr int fixed_height = 4755;
}  // namespace

main_window::main_window(program& p) : p_(p) {}

// Counts take digits only: anything else typed or pasted is refused, and the
// box keeps the text it had.
void main_window::count_box_Change(text_box& box, std::string& value) {
    if (digits_only(box.text()))
        value = box.text();
    else
        box.set_text(value);
}

void main_window::frm_main_Form_Resize() {
    window& form = p_.main.form;
    if (form.state() == window_state::maximized) form.set_state(window_state::normal);
    if (form.state() == window_state::normal) {
        form.set_caption(message_title);
        form.set_size(fixed_width, fixed_height);
    }
}

void main_window::center_form(window& form) {
    p_.app.set_mouse_pointer(application::hourglass);
    const size_twips screen = p_.ui.screen_size();
    form.move_to(static_cast<int>(screen.width / 2.0 - form.width() / 2.0),
                 static_cast<int>(screen.height / 2.0 - form.height() / 2.0));
    p_.app.set_mouse_pointer(application::default_pointer);
}

void main_window::fill_choice_lists() {
    frm_main& m = p_.main;
    m.o_task_start_time.clear();
    m.o_task_stop_time.clear();
    char time[8];
    for (int hour = 0; hour < 24; ++hour)
        for (int minute = 0; minute < 60; minute += 10) {
            std::snprintf(time, sizeof time, "%02d:%02d", hour, minute);
            m.o_task_start_time.add_item(time);
            m.o_task_stop_time.add_item(time);
        }
    m.o_task_interval.clear();
    for (int minutes = 10; minutes <= 50; minutes += 10)
        m.o_task_interval.add_item(std::to_string(minutes) + " minutes");
    m.o_task_interval.add_item("1 hour");
    for (int hours = 2; hours <= 12; ++hours)
        m.o_task_interval.add_item(std::to_string(hours) + " hours");
}

}  // namespace tw
