#include "win32/win32_application.hpp"

#include <windows.h>

#include <cstdio>
#include <iostream>

namespace tw {

namespace {

bool busy = false;

}  // namespace

win32_application::win32_application(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments)
        command_line_ += (command_line_.empty() ? "" : " ") + argument;
}

void win32_application::end(int exit_code) {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    ::ExitProcess(static_cast<UINT>(exit_code));
}

void win32_application::set_mouse_pointer(int pointer) {
    busy = pointer == application::hourglass;
    ::SetCursor(::LoadCursorW(nullptr, busy ? IDC_WAIT : IDC_ARROW));
}

bool busy_pointer_shown() { return busy; }

}  // namespace tw
