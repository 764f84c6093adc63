#pragma once

#include <string>
#include <vector>

#include "platform/application.hpp"

namespace tw::testing {

// Thrown by test_application::end so that "ends the process" unwinds back to
// the test, which then stops driving the program.
struct process_ended {
    int exit_code;
};

class test_application : public application {
public:
    explicit test_application(std::string command_line = "")
        : command_line_(std::move(command_line)) {}

    const std::string& command_line() const override { return command_line_; }
    [[noreturn]] void end(int exit_code) override { throw process_ended{exit_code}; }
    void set_mouse_pointer(int pointer) override { pointers_.push_back(pointer); }

    // Every pointer set, in order.
    const std::vector<int>& pointers() const { return pointers_; }

private:
    std::string command_line_;
    std::vector<int> pointers_;
};

}  // namespace tw::testing
