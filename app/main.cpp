// Tarnwick: the program with its real services, on Qt.

#include <QApplication>
#include <iostream>
#include <utility>

#include "core/console_command.hpp"
#include "core/os_services.hpp"
#include "core/out_of_memory.hpp"
#include "forms/modal_forms.hpp"
#include "platform/local_time.hpp"
#include "platform/make_system_info.hpp"
#include "program.hpp"
#include "qt/event_hook.hpp"
#include "qt/main_window_view.hpp"
#include "qt/qt_application.hpp"
#include "qt/qt_dialogs.hpp"
#include "qt/qt_event_loop.hpp"
#include "qt/termination_signals.hpp"

int main(int argc, char** argv) {
    tw::end_on_out_of_memory();
    // Answered before Qt starts: no window, no dial, no file written.
    if (const auto code = tw::console_command(
            {argv + 1, argv + argc}, [] { return tw::make_system_info()->program_folder(); },
            tw::local_now(), std::cout, std::cerr))
        return *code;
    const auto system = tw::make_system_info();

    QApplication qt(argc, argv);
    // Closing the window fires the form's unload, on which the program shuts
    // down; a termination signal takes the same way out, once. It is caught
    // before anything slow (reading a large phone book) begins, and acted on
    // at the first events the start-up lets run, so it never waits for the
    // start-up to end nor kills the program outright.
    tw::program* running = nullptr;
    bool asked_to_end = false;
    tw::termination_signals termination([&running, &asked_to_end] {
        if (std::exchange(asked_to_end, true)) return;
        if (running) running->life.shutdown();
    });
    tw::qt_event_loop loop;
    tw::qt_dialogs dialogs;
    tw::qt_application app(argc, argv);
    const tw::os_services os(loop, *system);
    tw::program program(os.with(loop, dialogs, *system, app));
    running = &program;
    if (asked_to_end) program.life.shutdown();
    dialogs.register_views(tw::modal_forms(program));
    tw::main_window_view view(program.main);

    // A click or a key anywhere tells that someone is there to answer boxes.
    tw::on_user_input(&qt, [&program] { program.boxes.user_acted(); });

    // The window appears only once start-up has run to its end, never behind
    // a start-up message.
    program.life.start_up();
    view.show();
    return qt.exec();
}
