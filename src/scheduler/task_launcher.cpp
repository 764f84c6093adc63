#include "scheduler/task_launcher.hpp"

#include <algorithm>
#include <array>
#include <chrono>
#include <exception>
#include <utility>

#include "helpers/file_helpers.hpp"
#include "helpers/number_text.hpp"
#include "program.hpp"
#include "scheduler/companion_files.hpp"

namespace tw {

namespace {

constexpr const char* not_found_log = " File Not Found: ";
constexpr const char* not_started_log = " Could Not Start: ";
constexpr const char* time_limit_log = " Time Limit Reached: ";

// How long each wait may block in the event loop before the program is looked
// at again. The real loop wakes at once for events and timers, so this bounds
// only how late the end of the program is noticed, and costs no CPU meanwhile.
constexpr double end_check_seconds = 0.1;

// The setting (in minutes; 0, the default, or no number: none) after which a
// task is asked to end, so one that never ends cannot hold up a schedule or
// an unattended run for good. Read at every start, so an edit counts at once.
constexpr const char* time_limit_key = "Task Time Limit";

std::string not_found_message(const std::string& application) {
    return "The '" + application +
           "' software cannot be found.  You must locate the software in the 'Applications' "
           "menu option and try again.";
}

}  // namespace

task_launcher::task_launcher(program& p) : p_(p) {}

launch_result task_launcher::launch_app(std::string& application, const std::string& parameters,
                                        const std::string& wait,
                                        std::optional<run_trigger> trigger) {
    // Whatever fails here is dropped quietly; the pointer must not stay busy.
    // Only std::exception: an end of the process unwinds through untouched.
    try {
        if (!file_exists(application)) {
            const moment attempted = p_.loop.now_with_offset();
            p_.ui.message(not_found_message(application), box::information, message_title);
            not_found(application, parameters, trigger, attempted);
            return {launch_result::kind::not_found, {}};
        }
        return start(application, parameters, wait, trigger);
    } catch (const std::exception&) {
        p_.app.set_mouse_pointer(tw::application::default_pointer);
        return {launch_result::kind::not_started, {}};
    }
}

// A program that cannot be started (no program at all, no permission) is
// logged for a task, as its ledger row records it; the caller goes on. Only
// tasks get the time limit, and a process group or job of their own that it
// reaches: the program's own tools wait for the user, and an editor in a
// terminal must stay in the terminal's group.
launch_result task_launcher::start(const std::string& application, const std::string& parameters,
                                   const std::string& wait, std::optional<run_trigger> trigger) {
    p_.app.set_mouse_pointer(tw::application::hourglass);
    const run_in_progress run{p_.loop.now_with_offset(), p_.loop.clock(),
                              trigger.value_or(run_trigger::now), application, parameters};
    const std::string command_line = " " + trim(parameters);
    const auto started = trigger ? p_.programs.start_task(application, command_line)
                                 : p_.programs.start(application, command_line);
    const bool waited = started && wait == "YES";
    const bool timed_out = waited && wait_listed(*started, trigger ? &run : nullptr);
    p_.app.set_mouse_pointer(tw::application::default_pointer);
    const launch_result result{
        started ? launch_result::kind::started : launch_result::kind::not_started,
        waited ? started->end() : process_end{}};
    if (!trigger) return result;
    if (!started) p_.log.append_log_line(not_started_log + application);
    p_.ledger.record(ledger_row(run, !started    ? "not started"
                                     : timed_out ? "time limit"
                                                 : how_ended_text(result.end)));
    return result;
}

double task_launcher::time_limit_seconds() {
    const double minutes =
        number_value(p_.profiles.read(p_.settings_file_path, "Current", time_limit_key));
    return std::max(minutes, 0.0) * 60;
}

// Waits for `started` with `run` listed meanwhile, so the end of the program
// can still give it its row. Only tasks get the time limit, which is logged
// when it is reached, not when the task at last ends.
bool task_launcher::wait_listed(process& started, const run_in_progress* run) {
    if (run) running_.push_back(run);
    bool timed_out = false;
    try {
        timed_out = wait_for_app(started, run ? time_limit_seconds() : 0, [&] {
            p_.log.append_log_line(time_limit_log + run->application);
        });
    } catch (...) {
        std::erase(running_, run);
        throw;
    }
    std::erase(running_, run);
    return timed_out;
}

ledger_run task_launcher::ledger_row(const run_in_progress& run, std::string how_ended) const {
    return {run.started,          p_.loop.clock() - run.clock_at,
            std::move(how_ended), run.trigger,
            run.application,      run.parameters};
}

void task_launcher::record_running_at_exit() {
    for (const run_in_progress* run : std::exchange(running_, {}))
        p_.ledger.record(ledger_row(*run, "running at exit"));
}

void task_launcher::not_found(const std::string& application, const std::string& parameters,
                              std::optional<run_trigger> trigger, moment attempted) {
    p_.log.append_log_line(not_found_log + application);
    if (trigger) record_not_run(application, parameters, *trigger, "not found", attempted);
}

void task_launcher::record_not_run(const std::string& application, const std::string& parameters,
                                   run_trigger trigger, const char* how_ended, moment at) {
    p_.ledger.record({at, 0, how_ended, trigger, application, parameters});
}

// The process object releases the child's resources when the caller drops it.
// Past the time limit the program is asked to end, and once the grace is
// over too it is ended; each wait stops short of the next of these moments.
bool task_launcher::wait_for_app(process& started, double time_limit_seconds,
                                 const std::function<void()>& at_limit) {
    const double ask_at = p_.loop.clock() + time_limit_seconds;
    const double end_at = ask_at + end_request_grace_seconds;
    bool asked = false;
    bool ended = false;
    while (!started.has_ended()) {
        const double now = p_.loop.clock();
        if (time_limit_seconds > 0 && !asked && now >= ask_at) {
            started.ask_to_end();
            asked = true;
            if (at_limit) at_limit();
            continue;
        }
        if (asked && !ended && now >= end_at) {
            started.terminate();
            ended = true;
            continue;
        }
        const double next = time_limit_seconds <= 0 || ended ? now + end_check_seconds
                            : asked                          ? end_at
                                                             : ask_at;
        p_.loop.wait(std::min(end_check_seconds, next - now));
    }
    return asked;
}

bool task_launcher::check_mail_account() {
    static constexpr std::array<const char*, 7> keys = {
        "POP User Password", "POP User ID", "POP Host", "User Name",
        "User Address",      "Domain",      "Outbox"};
    bool complete = true;
    for (const char* key : keys)
        complete = !p_.profiles.read(p_.mail_account_file_path, "SMTP", key).empty() && complete;
    return complete;
}

void task_launcher::announce_run(const std::string& application, const std::string& parameters) {
    const std::string running = application + " " + parameters;
    p_.set_status("Running: " + running);
    p_.log.append_log_line(" Running: " + running);
}

void task_launcher::run_scheduled_task(std::string application, const std::string& parameters,
                                       run_trigger trigger) {
    announce_run(application, parameters);
    const std::string running = application + " " + parameters;
    if (application.find(e_mail_companion_file) != std::string::npos && !check_mail_account()) {
        p_.set_status("Run Error: " + running);
        p_.log.append_log_line(" Run Error: " + running);
    } else if (!file_exists(application)) {
        not_found(application, parameters, trigger, p_.loop.now_with_offset());
    } else {
        launch_app(application, parameters, "YES", trigger);
    }
    p_.set_status("");
}

}  // namespace tw
