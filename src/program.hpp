#pragma once

#include <string>

#include "companions/companion_modules.hpp"
#include "connection/connected_session.hpp"
#include "connection/dial_controller.hpp"
#include "connection/dialer.hpp"
#include "connection/disconnector.hpp"
#include "connection/phone_book.hpp"
#include "core/lifecycle.hpp"
#include "core/session_log.hpp"
#include "core/settings_file.hpp"
#include "core/unattended_dialogs.hpp"
#include "forms/frm_about.hpp"
#include "forms/frm_controls.hpp"
#include "forms/frm_main.hpp"
#include "platform/application.hpp"
#include "platform/browser_rules.hpp"
#include "platform/dde_client.hpp"
#include "platform/processes.hpp"
#include "platform/profile_store.hpp"
#include "platform/registry.hpp"
#include "platform/system_info.hpp"
#include "scheduler/interval_scheduler.hpp"
#include "scheduler/run_ledger.hpp"
#include "scheduler/scheduler_control.hpp"
#include "scheduler/specific_time_scheduler.hpp"
#include "scheduler/task_file.hpp"
#include "scheduler/task_launcher.hpp"
#include "toolkit/dialogs.hpp"
#include "toolkit/event_loop.hpp"
#include "web/browser_selection.hpp"
#include "web/frm_apps.hpp"
#include "web/frm_browser_selection.hpp"
#include "web/help_menu.hpp"
#include "web/url_opener.hpp"
#include "window/main_window.hpp"
#include "window/task_editor.hpp"

namespace tw {

// The platform services the program runs on; real ones in the app, doubles in tests.
struct services {
    event_loop& loop;
    tw::dialogs& ui;
    tw::dialer& dialer;
    tw::processes& programs;
    system_info& system;
    application& app;
    tw::registry& registry;
    tw::dde_client& dde_client;
};

// The title of every message box but the start-up check of the dialer.
inline constexpr const char* message_title = "Tarnwick v1.20";
// The title every file dialog of the program shares.
inline constexpr const char* file_dialog_title = "Select the Text File Containing Addresses";
// The dial time-out in seconds when the settings or the box hold none of at least 1.
inline constexpr const char* default_timeout = "120";

// The whole program: its forms, its program-wide values, its services and one
// object per subsystem. The constructor wires control events to handlers
// (wiring.cpp); start_up() then runs the program's start.
class program {
public:
    explicit program(const services& s);
    ~program();
    program(const program&) = delete;
    program& operator=(const program&) = delete;

    // Services.
    event_loop& loop;
    // The dialogs of the services, with the rule for unattended runs; the
    // window reports the user's first click to it.
    unattended_dialogs boxes;
    dialogs& ui;
    dialer& ctrl_RAS;
    tw::processes& programs;  // starts the programs of tasks
    system_info& system;
    application& app;
    registry& system_registry;
    dde_client& dde;  // the link to the browser
    profile_store profiles;
    // Which programs may be the browser; the platform's rule unless a test says otherwise.
    browser_rules supported_browsers;

    // Forms.
    frm_main main;
    frm_controls controls;
    frm_apps apps;
    frm_browser_selection browser_choice;
    frm_about about;

    // Paths, set at start-up and by the settings pass.
    std::string program_folder;  // no trailing separator
    std::string settings_file_path;
    std::string companion_settings_file_path;
    std::string system_dir;
    std::string help_file_path;
    std::string task_file_path;
    std::string log_directory;
    std::string last_directory;
    std::string phonebook_path;
    std::string browser_path;
    std::string dialog_directory;
    std::string mail_account_file_path;
    std::string os_platform;

    // Option texts.
    std::string specific_connect_time;
    std::string specific_disconnect_time;
    std::string timeout_text;
    std::string retry_count_text;
    std::string default_isp;

    // Option flags.
    bool save_logs = false;
    bool run_tasks_at_connect = false;
    bool reconnect_on_line_drop = false;
    bool simulate_connection = false;
    bool start_scheduler_at_connect = false;
    bool disconnect_after_last_task = false;

    // Connection values.
    int redial_count = 0;
    bool force_disconnect = false;
    double dial_started_at = 0;
    double connected_at = 0;
    double countdown_tick_at = 0;

    // Subsystems.
    session_log log;
    settings_file settings;
    main_window window;
    phone_book phonebook;
    run_ledger ledger;
    task_launcher launcher;
    task_file tasks;
    task_editor editor;
    dial_controller dialing;
    connected_session session;
    disconnector disconnecting;
    interval_scheduler interval;
    specific_time_scheduler specific_time;
    scheduler_control scheduler;
    lifecycle life;
    browser_selection browsers;
    url_opener urls;
    help_menu help;
    companion_modules modules;

    // The text of the status bar.
    void set_status(std::string text) { main.o_statusbar.set_text(std::move(text)); }
    // The folder the next file dialog opens in (dialog_directory, set on first use).
    const std::string& dialog_folder();

private:
    void wire_events();
    void add_timers();
};

}  // namespace tw
