#include "program.hpp"

#include "platform/browser_platform.hpp"

namespace tw {

program::program(const services& s)
    : loop(s.loop),
      ui(s.ui),
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
    add_timers();
}

program::~program() {
    for (timer* t : controls.timers()) loop.remove_timer(*t);
}

void program::add_timers() {
    for (timer* t : controls.timers()) loop.add_timer(*t);
}

}  // namespace tw
