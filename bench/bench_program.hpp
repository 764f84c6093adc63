// A program whose task file holds 10,000 tasks, with stand-in services that
// the task file and the editor never call on.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "connection/dialers/no_dialer.hpp"
#include "platform/browser_platform.hpp"
#include "program.hpp"
#include "toolkit/virtual_event_loop.hpp"

namespace bench {

namespace fs = std::filesystem;

constexpr int task_count = 10'000;

struct quiet_dialogs : tw::dialogs {
    int message(const std::string&, int, const std::string&) override { return tw::box::ok; }
    std::string open_file(const tw::file_request&) override { return {}; }
    void run_modal(tw::window&) override {}
    void beep() override {}
};

struct no_processes : tw::processes {
    std::unique_ptr<tw::process> start(const std::string&, const std::string&) override {
        return nullptr;
    }
};

struct folder_system : tw::system_info {
    explicit folder_system(std::string folder) : folder_(std::move(folder)) {}
    int platform_number() const override { return 2; }
    std::string system_directory() const override { return folder_; }
    std::string program_folder() const override { return folder_; }
    std::string help_page() const override { return folder_ + "/twhelp.htm"; }
    std::string folder_;
};

struct bench_application : tw::application {
    const std::string& command_line() const override { return command_line_; }
    [[noreturn]] void end(int) override { std::abort(); }
    void set_mouse_pointer(int) override {}
    std::string command_line_;
};

// A program whose task file holds 10,000 tasks, in a folder removed afterwards.
class bench_program {
public:
    bench_program()
        : folder_(fs::temp_directory_path() / ("tw-task-bench-" + std::to_string(::getpid()))),
          system_(folder_.string()),
          registry_(tw::make_registry()),
          dde_client_(tw::make_dde_client(processes_)),
          prog_({loop_, dialogs_, dialer_, processes_, system_, app_, *registry_, *dde_client_}) {
        fs::create_directories(folder_);
        prog_.program_folder = folder_.string();
        prog_.task_file_path = (folder_ / "task.ini").string();
        for (int i = 0; i < task_count; ++i) {
            const std::string path = "/home/demo/tools/task" + std::to_string(i) + "/run.sh";
            prog_.main.o_task_list.add_item(path);
            prog_.controls.tasks.push_back({path, "-q --out report" + std::to_string(i) + ".txt",
                                            "08:00", "18:00", "1 hour", "Yes"});
        }
        prog_.tasks.b_save_task_Click();
    }
    ~bench_program() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    bench_program(const bench_program&) = delete;
    bench_program& operator=(const bench_program&) = delete;

    tw::program& prog() { return prog_; }
    // Rewrites the same bytes, so the next read parses the file afresh.
    void touch_task_file() {
        const std::string path = prog_.task_file_path;
        std::ifstream in(path, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        in.close();
        fs::remove(path);
        std::ofstream(path, std::ios::binary) << bytes;
    }

private:
    fs::path folder_;
    tw::virtual_event_loop loop_;
    quiet_dialogs dialogs_;
    tw::no_dialer dialer_;
    no_processes processes_;
    folder_system system_;
    bench_application app_;
    std::unique_ptr<tw::registry> registry_;
    std::unique_ptr<tw::dde_client> dde_client_;
    tw::program prog_;
};

inline bench_program& shared_program() {
    static bench_program program;
    return program;
}

}  // namespace bench
