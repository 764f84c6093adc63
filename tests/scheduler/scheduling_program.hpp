#pragma once

#include <string>
#include <vector>

#include "task_file_text.hpp"
#include "test_program.hpp"

namespace tw::testing {

// A program started at `start` on 2026-12-06 with the entry MyISP (a line up
// 3 s after dialling unless `entry_keys` say otherwise) and `tasks` in its task
// file; each task's program is a file of the program folder named after the
// task's application.
struct scheduling_program : test_program {
    scheduling_program(const std::vector<task_entry>& tasks, int hour, int minute, int second,
                       const std::string& command_line = "", const std::string& entry_keys = "")
        : test_program({.phone_book = "[MyISP]\r\n" + entry_keys, .command_line = command_line}) {
        std::vector<task_entry> stored = tasks;
        for (task_entry& task : stored) {
            write(task.application, "");
            task.application = path(task.application);
        }
        write("task.ini", task_file_text(stored));
        loop.set_now(make_wall_time(2026, 12, 6, hour, minute, second));
        start_up();
        main().o_timeout.set_text("10");
        main().o_retry_count.set_text("2");
    }
    std::string path(const std::string& name) const { return folder / name; }
    // The ledger's records after its header as "hh:mm,how it ended,trigger,
    // program,parameters", the program named without its folder.
    std::vector<std::string> ledger() const {
        std::vector<std::string> runs;
        const std::string text = file("logs/tasks.csv");
        const std::string folder_prefix = folder / "";
        for (std::size_t at = text.find("\r\n") + 2; at < text.size();) {
            const std::size_t end = text.find("\r\n", at);
            std::string line = text.substr(at, end - at);
            const auto after_seconds = line.find(',', line.find(',', line.find(',') + 1) + 1);
            line = line.substr(11, 5) + line.substr(after_seconds);
            line.erase(line.find(folder_prefix), folder_prefix.size());
            runs.push_back(line);
            at = end + 2;
        }
        return runs;
    }
};

}  // namespace tw::testing
