#include "scheduler/scheduler_control.hpp"

#include "program.hpp"
#include "scheduler/companion_files.hpp"
#include "scheduler/schedule_steps.hpp"

namespace tw {

namespace {

bool contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// What each companion lacks when it may not run, and where the user sets it.
struct refusal {
    const char* file;
    const char* first_line;
    const char* second_line;
};
constexpr refusal refusals[] = {
    {stock_module_file, "You must have the 'Customer Profile ID and the stock data source.",
     "Use the menu option 'Application\\Stock Quotes' to update the parameters."},
    {web_monitor_file, "You must have the 'Customer Profile ID.",
     "Use the menu option 'Application\\Web Page Monitor' to update the parameters."},
    {e_mail_companion_file,
     "You must enter the email account information before using Postwright to send email.",
     "Use the menu option Application\\Postwright to update the account information."},
};

}  // namespace

scheduler_control::scheduler_control(program& p) : p_(p) {}

void scheduler_control::b_run_schedule_Click() {
    if (p_.main.b_run_schedule.caption() != schedule_off_caption)
        switch_off();
    else
        switch_on();
}

void scheduler_control::switch_off() {
    button& b = p_.main.b_run_schedule;
    b.set_back_colour(system_button_face);
    b.set_caption(schedule_off_caption);
    p_.controls.t_check_for_work.stop();
    p_.log.append_log_line(" Scheduler turned off");
    p_.dialing.set_idle_controls();
}

// Switched on by the default ISP, the user's options are left as they are.
// An entry that is not in the list leaves the caption on and the timer off;
// the next click switches off.
void scheduler_control::switch_on() {
    frm_main& m = p_.main;
    const entry_source source = take_schedule_entry(p_);
    if (source != entry_source::none) {
        m.b_run_schedule.set_back_colour(red);
        m.b_run_schedule.set_caption(schedule_on_caption);
        p_.log.append_log_line(" Scheduler turned on");
    }
    if (source == entry_source::chosen) {
        m.o_disconnect_after_last_task.set_value(1);
        m.o_run_tasks_at_connect.set_value(1);
    }
    if (keep_listed_entry(p_)) p_.controls.t_check_for_work.start(1000);
}

void scheduler_control::enable_b_run_schedule() {
    if (!p_.controls.t_check_specific_time.enabled()) p_.main.b_run_schedule.set_enabled(true);
}

void scheduler_control::b_run_task_now_Click() {
    frm_main& m = p_.main;
    if (!p_.ctrl_RAS.is_connected() && !m.o_simulated_connection.ticked()) {
        p_.set_status("Attempt to run task failed.  Not Connected.");
        return;
    }
    if (m.o_application.caption().empty())
        p_.ui.message("You must select a task to run.", box::information, message_title);
    else
        run_now(m.o_application.caption(), m.o_parameters.text());
    p_.set_status("");
}

void scheduler_control::run_now(std::string application, const std::string& parameters) {
    if (!companion_ready(application, parameters)) return explain_refusal(application);
    p_.launcher.announce_run(application, parameters);
    p_.launcher.launch_app(application, parameters, "YES", run_trigger::now);
}

bool scheduler_control::companion_ready(const std::string& application,
                                        const std::string& parameters) {
    if (contains(application, stock_module_file) &&
        !(contains(parameters, "/s") && contains(parameters, "/id")))
        return false;
    if (contains(application, web_monitor_file) && !contains(parameters, "/id")) return false;
    return !contains(application, e_mail_companion_file) || p_.launcher.check_mail_account();
}

void scheduler_control::explain_refusal(const std::string& application) {
    for (const refusal& r : refusals)
        if (contains(application, r.file))
            p_.ui.message(std::string(r.first_line) + "\n\n" + r.second_line, box::information,
                          message_title);
}

}  // namespace tw
