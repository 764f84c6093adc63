#include "scheduler/task_launcher.hpp"

#include <array>
#include <chrono>
#include <exception>
#include <utility>

#include "core/file_helpers.hpp"
#include "program.hpp"
#include "scheduler/companion_files.hpp"

namespace tw {

namespace {

constexpr const char* not_found_log = " File Not Found: ";

// How long each wait may block in the event loop before the program is looked
// at again. The real loop wakes at once for events and timers, so this bounds
// only how late the end of the program is noticed, and costs no CPU meanwhile.
constexpr double end_check_seconds = 0.1;

std::string not_found_message(const std::string& application) {
    return "The '" + application +
           "' software cannot be found.  You must locate the software in the 'Applications' "
           "menu option and try again.";
}

}  // namespace

task_launcher::task_launcher(program& p) : p_(p) {}

void task_launcher::launch_app(std::string& application, std::string parameters,
                               const std::string& wait, std::optional<run_trigger> trigger) {
    // Whatever fails here is dropped quietly; the pointer must not stay busy.
    // Only std::exception: an end of the process unwinds through untouched.
    try {
        if (!file_exists(application)) {
            p_.ui.message(not_found_message(application), box::information, message_title);
            not_found(application, parameters, trigger);
            return;
        }
        start(application, parameters, wait, trigger);
    } catch (const std::exception&) {
        p_.app.set_mouse_pointer(tw::application::default_pointer);
    }
}

// A program that cannot be started (no program at all, no permission) is
// not reported: the caller simply goes on.
void task_launcher::start(const std::string& application, const std::string& parameters,
                          const std::string& wait, std::optional<run_trigger> trigger) {
    p_.app.set_mouse_pointer(tw::application::hourglass);
    const run_in_progress run{p_.loop.now(), p_.loop.clock(), trigger.value_or(run_trigger::now),
                              application, parameters};
    const auto started = p_.programs.start(application, " " + trim(parameters));
    if (started && wait == "YES") wait_listed(*started, trigger ? &run : nullptr);
    p_.app.set_mouse_pointer(tw::application::default_pointer);
    if (trigger)
        p_.ledger.record(ledger_row(run, started ? how_ended_text(started->end()) : "not started"));
}

// Waits for `started` with `run` listed meanwhile, so the end of the program
// can still give it its row.
void task_launcher::wait_listed(process& started, const run_in_progress* run) {
    if (run) running_.push_back(run);
    try {
        wait_for_app(started);
    } catch (...) {
        std::erase(running_, run);
        throw;
    }
    std::erase(running_, run);
}

ledger_run task_launcher::ledger_row(const run_in_progress& run, std::string how_ended) const {
    const double seconds = p_.loop.clock() - run.clock_at;
    const auto ran =
        std::chrono::round<std::chrono::milliseconds>(std::chrono::duration<double>(seconds));
    return {run.started, run.started + ran, seconds,       std::move(how_ended),
            run.trigger, run.application,   run.parameters};
}

void task_launcher::record_running_at_exit() {
    for (const run_in_progress* run : std::exchange(running_, {}))
        p_.ledger.record(ledger_row(*run, "running at exit"));
}

void task_launcher::not_found(const std::string& application, const std::string& parameters,
                              std::optional<run_trigger> trigger) {
    p_.log.append_log_line(not_found_log + application);
    if (trigger)
        p_.ledger.record(
            {p_.loop.now(), p_.loop.now(), 0, "not found", *trigger, application, parameters});
}

// The process object releases the child's resources when the caller drops it.
void task_launcher::wait_for_app(process& started) {
    while (!started.has_ended()) p_.loop.wait(end_check_seconds);
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
        not_found(application, parameters, trigger);
    } else {
        launch_app(application, parameters, "YES", trigger);
    }
    p_.set_status("");
}

}  // namespace tw
