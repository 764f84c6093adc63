// Tarnwick: the program with its real services, in Win32 windows.

#include <windows.h>
// These need windows.h first.
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "core/console_command.hpp"
#include "core/os_services.hpp"
#include "core/out_of_memory.hpp"
#include "forms/frm_main_layout.hpp"
#include "forms/modal_forms.hpp"
#include "platform/local_time.hpp"
#include "platform/make_system_info.hpp"
#include "platform/windows/wide_text.hpp"
#include "program.hpp"
#include "win32/console_requests.hpp"
#include "win32/form_window.hpp"
#include "win32/win32_application.hpp"
#include "win32/win32_dialogs.hpp"
#include "win32/win32_event_loop.hpp"

namespace {

// A window program has no console of its own: what it prints before its
// window, or for an unattended run, goes to the console it was started
// from. Output already going somewhere (a pipe, a file) stays there.
void write_to_parent_console() {
    if (::GetFileType(::GetStdHandle(STD_OUTPUT_HANDLE)) != FILE_TYPE_UNKNOWN) return;
    if (!::AttachConsole(ATTACH_PARENT_PROCESS)) return;
    std::freopen("CONOUT$", "w", stdout);
    if (::GetFileType(::GetStdHandle(STD_ERROR_HANDLE)) == FILE_TYPE_UNKNOWN)
        std::freopen("CONOUT$", "w", stderr);
}

// The arguments after the program's name, by the system's rules, in UTF-8.
std::vector<std::string> arguments() {
    int count = 0;
    wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> result;
    for (int i = 1; i < count; ++i) result.push_back(tw::narrow(wide[i]));
    ::LocalFree(wide);
    return result;
}

// A click or a key anywhere tells that someone is there to answer boxes.
tw::program* attended_program = nullptr;
LRESULT CALLBACK note_click(int code, WPARAM message, LPARAM details) {
    if (code == HC_ACTION && attended_program &&
        (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_NCLBUTTONDOWN))
        attended_program->boxes.user_acted();
    return ::CallNextHookEx(nullptr, code, message, details);
}
LRESULT CALLBACK note_key(int code, WPARAM key, LPARAM details) {
    const bool pressed = (details & (LPARAM{1} << 31)) == 0;
    if (code == HC_ACTION && attended_program && pressed) attended_program->boxes.user_acted();
    return ::CallNextHookEx(nullptr, code, key, details);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    tw::end_on_out_of_memory();
    write_to_parent_console();
    const std::vector<std::string> args = arguments();
    if (const auto code = tw::console_command(
            args, [] { return tw::make_system_info()->program_folder(); }, tw::local_now(),
            std::cout, std::cerr))
        return *code;
    const auto system = tw::make_system_info();

    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX),
                                       ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&classes);
    tw::win32_event_loop loop;
    tw::win32_dialogs dialogs(loop);
    tw::win32_application app(args);
    const tw::os_services os(loop, *system);
    tw::program program(os.with(loop, dialogs, *system, app));
    dialogs.register_views(tw::modal_forms(program));

    // Closing the window fires the form's unload, on which the program shuts
    // down; the end of the user's session and a console's request take the
    // same way out, once.
    tw::form_window view(program.main.form, tw::frm_main_layout(program.main), nullptr);
    dialogs.set_main_window(view.handle());
    view.on_end_session([&program, started = false]() mutable {
        if (std::exchange(started, true)) return;
        program.life.shutdown();
    });
    tw::console_requests console(view.handle());
    attended_program = &program;
    ::SetWindowsHookExW(WH_MOUSE, note_click, nullptr, ::GetCurrentThreadId());
    ::SetWindowsHookExW(WH_KEYBOARD, note_key, nullptr, ::GetCurrentThreadId());

    // The window appears only once start-up has run to its end, never behind
    // a start-up message.
    program.life.start_up();
    view.show();
    for (;;) loop.wait(3600);
}
