#include "program.hpp"

#include <filesystem>
#include <iostream>

#include "core/command_line.hpp"
#include "platform/browser_platform.hpp"
#include "platform/folders.hpp"

namespace tw {

namespace {

// Started by a schedule or a script: nobody may be at the screen.
bool started_unattended(const std::string& command_line) {
    for (const char* which : {"/d", "/a", "/x"})
        if (!query_switch(which, command_line, {}).answer.empty()) return true;
    return false;
}

}  // namespace

program::program(const services& s)
    : loop(s.loop),
      boxes(s.ui, s.loop, started_unattended(s.app.command_line()), std::cerr),
      ui(boxes),
      ctrl_RAS(s.dialer),
      programs(s.programs),
      system(s.system),
      app(s.app),
      system_registry(s.registry),
      dde(s.dde_client),
      supported_browsers(native_browser_rules()),
      log(*this),
      settings(*this),
      window(*this),
      phonebook(*this),
      ledger(*this),
      launcher(*this),
      tasks(*this),
      editor(*this),
      dialing(*this),
      session(*this),
      disconnecting(*this),
      interval(*this),
      specific_time(*this),
      scheduler(*this),
      life(*this),
      browsers(*this),
      urls(*this),
      help(*this),
      modules(*this) {
    wire_events();
    add_timers();
}

// First the folder a program was last added from, when it is still there,
// else the user's own. Not the program folder: for an installed program it
// is the hidden settings folder, and it was the stored default.
const std::string& program::dialog_folder() {
    if (!dialog_directory.empty()) return dialog_directory;
    std::error_code error;
    const auto last = listed_folder(last_directory);
    dialog_directory = last && !std::filesystem::equivalent(*last, program_folder, error)
                           ? last_directory
                           : system.home_folder();
    return dialog_directory;
}

program::~program() {
    for (timer* t : controls.timers()) loop.remove_timer(*t);
}

void program::add_timers() {
    for (timer* t : controls.timers()) loop.add_timer(*t);
}

}  // namespace tw
