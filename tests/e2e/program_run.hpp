#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "temp_folder.hpp"

namespace tw::testing {

// The built program copied into an empty temp folder, so that folder is its
// program folder, started offscreen with the given arguments. Its standard
// error goes to a file of the folder. A `wrapper` (a command that runs the
// command after it, as `ip netns exec NAME` does) starts it when given.
class program_run {
public:
    explicit program_run(std::vector<std::string> arguments = {},
                         std::vector<std::string> environment = {},
                         std::vector<std::string> wrapper = {});
    ~program_run();

    // Starts the program; again after it has ended, for another run in the same folder.
    void start();
    // Polls until `done` holds; false when `limit` passed first.
    bool wait_until(const std::function<bool()>& done,
                    std::chrono::seconds limit = std::chrono::seconds(30));
    // The exit code once the program ended by itself, within `limit`.
    std::optional<int> wait_for_exit(std::chrono::seconds limit = std::chrono::seconds(30));
    void send(int signal) const;
    // True once the running program has a handler of its own for `signal`.
    bool catches(int signal) const;

    std::string file(const std::string& name) const { return read_file(folder / name); }
    void write(const std::string& name, const std::string& bytes) const {
        write_file(folder / name, bytes);
    }
    std::string output() const { return file("stdout.txt"); }
    std::string error_output() const { return file("stderr.txt"); }
    bool exists(const std::string& name) const;

    temp_folder folder;

private:
    std::vector<std::string> arguments_;
    std::vector<std::string> environment_;
    std::vector<std::string> wrapper_;
    pid_t pid_ = -1;
    std::optional<int> exit_code_;
};

// The environment under which the program's clock starts at `at` (local
// time) and runs on from there.
std::vector<std::string> clock_starting_at(const std::string& at);

}  // namespace tw::testing
