#pragma once

#include "platform/application.hpp"

namespace tw {

// The running process under Qt.
class qt_application : public application {
public:
    // argv after QApplication has taken its own options out.
    qt_application(int argc, char** argv);

    // The arguments after the program's name, joined with single blanks.
    const std::string& command_line() const override { return command_line_; }
    // The settings are written by then; only the standard streams need a flush.
    [[noreturn]] void end(int exit_code) override;
    void set_mouse_pointer(int pointer) override;

private:
    std::string command_line_;
    bool hourglass_ = false;
};

}  // namespace tw
