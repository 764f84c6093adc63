#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "connection/dialers/no_dialer.hpp"
#include "connection/dialers/simulated_dialer.hpp"
#include "fake_browser.hpp"
#include "fake_processes.hpp"
#include "in_memory_registry.hpp"
#include "platform/path_rules.hpp"
#include "program.hpp"
#include "scheduler/task_file.hpp"
#include "scripted_dialogs.hpp"
#include "temp_folder.hpp"
#include "test_application.hpp"
#include "toolkit/timer.hpp"
#include "toolkit/virtual_event_loop.hpp"

namespace tw::testing {

struct fixed_system_info : system_info {
    std::string folder, system_dir, help;
    int platform;
    fixed_system_info(std::string f, std::string s, int p)
        : folder(std::move(f)),
          system_dir(std::move(s)),
          help(native_paths().join(folder, "twhelp.htm")),
          platform(p) {}
    int platform_number() const override { return platform; }
    std::string system_directory() const override { return system_dir; }
    std::string program_folder() const override { return folder; }
    std::string help_page() const override { return help; }
    std::string home_folder() const override { return native_paths().join(folder, "home"); }
};

struct test_options {
    // Written to <system folder>/ras/rasphone.pbk unless empty.
    std::string phone_book = "[MyISP]\r\n";
    std::string command_line = "";
    int platform = 2;
    // False: a machine without remote access.
    bool ras_available = true;
    // Real processes for launcher tests; fake ones when null.
    processes* real_processes = nullptr;
    // The browsers Windows supports, so that the link shows its real topics.
    browser_rules browsers = browser_rules::named_browsers;
    // Makes another dialer instead of the simulated one, given the program's
    // loop (a dialer with timers needs it); the test program owns it.
    std::function<std::unique_ptr<tw::dialer>(event_loop&)> other_dialer = nullptr;
    // Dialogs of the test's own (the Qt ones) instead of the scripted ones.
    tw::dialogs* other_dialogs = nullptr;
};

// A whole program on the simulated clock in a temp program folder, with
// scripted dialogs, the simulated dialer and fake processes. The program
// folder is `folder`, the system folder `folder/system`.
class test_program {
public:
    explicit test_program(test_options options = {});
    ~test_program();

    temp_folder folder;
    std::string system_dir;
    virtual_event_loop loop;
    scripted_dialogs dialogs;
    fixed_system_info system;
    simulated_dialer dialer;
    no_dialer absent_dialer;
    fake_processes fakes;
    test_application app;
    in_memory_registry registry_keys;
    fake_browser browser;
    std::unique_ptr<tw::dialer> made_dialer;  // made by test_options::other_dialer
    program prog;

    frm_main& main() { return prog.main; }
    frm_controls& controls() { return prog.controls; }

    // Runs `step` as the program's own code would; an end of the process
    // is caught and recorded in exit_code.
    void drive(const std::function<void()>& step);
    void start_up() {
        drive([this] { prog.life.start_up(); });
    }
    void shutdown() {
        drive([this] { prog.life.shutdown(); });
    }
    void click(button& b) {
        drive([&b] { b.click(); });
    }
    void run_for(double seconds) {
        drive([&] { loop.run_for(seconds); });
    }
    bool run_until(const std::function<bool()>& done, double max_seconds = 24 * 3600.0);
    // Runs `action` once, `seconds` of simulated time from now, also in the
    // middle of a wait of the program's own (a dial, a scheduler pass).
    void do_after(double seconds, std::function<void()> action);

    bool ended() const { return exit_code.has_value(); }
    std::optional<int> exit_code;

    // The log's lines without their stamps ("" for separator lines).
    std::vector<std::string> log_texts() const;
    // A file of the program folder.
    std::string file(const std::string& name) const { return read_file(folder / name); }
    void write(const std::string& name, const std::string& bytes) const {
        write_file(folder / name, bytes);
    }
    // Appends the program `application` (an empty file in the test's folder)
    // to the task list and its file, enabled as `enabled` says.
    std::string add_task(const std::string& application, const char* enabled = "Yes") {
        const std::string path = folder / application;
        write(application, "");
        prog.profiles.write(prog.task_file_path, "Tasks", task_key(main().o_task_list.list_count()),
                            path);
        prog.profiles.write(prog.task_file_path, "Enabled", path, enabled);
        main().o_task_list.add_item(path);
        return path;
    }

private:
    tw::dialer& chosen_dialer(const test_options& options);

    timer later_;
    std::function<void()> later_action_;
};

// "mm-dd-yyyy - hh:mm:ss"
constexpr std::size_t stamp_length = 21;

}  // namespace tw::testing
