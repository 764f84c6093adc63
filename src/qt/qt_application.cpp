#include "qt/qt_application.hpp"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace tw {

qt_application::qt_application(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (i > 1) command_line_ += ' ';
        command_line_ += argv[i];
    }
}

void qt_application::end(int exit_code) {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::_Exit(exit_code);
}

// Qt stacks override cursors; the program only ever has one.
void qt_application::set_mouse_pointer(int pointer) {
    const bool hourglass = pointer == application::hourglass;
    if (hourglass == hourglass_) return;
    hourglass_ = hourglass;
    if (hourglass)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

}  // namespace tw
