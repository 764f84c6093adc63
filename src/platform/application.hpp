#pragma once

#include <string>

namespace tw {

// The running process as the program sees it.
class application {
public:
    static constexpr int default_pointer = 0;
    static constexpr int hourglass = 11;

    virtual ~application() = default;

    // The whole argument text of the process, one string.
    virtual const std::string& command_line() const = 0;
    // Ends the process at once; does not return.
    [[noreturn]] virtual void end(int exit_code) = 0;
    virtual void set_mouse_pointer(int pointer) = 0;
};

}  // namespace tw
