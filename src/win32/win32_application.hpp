#pragma once

#include <string>
#include <vector>

#include "platform/application.hpp"

namespace tw {

// The running process on Windows.
class win32_application : public application {
public:
    // `arguments`: the command line's arguments after the program's name.
    explicit win32_application(const std::vector<std::string>& arguments);

    // The arguments joined with single blanks.
    const std::string& command_line() const override { return command_line_; }
    // The settings are written by then; only the standard streams need a flush.
    [[noreturn]] void end(int exit_code) override;
    void set_mouse_pointer(int pointer) override;

private:
    std::string command_line_;
};

// Whether the program shows the hourglass; its windows ask when the mouse
// moves over them.
bool busy_pointer_shown();

}  // namespace tw
