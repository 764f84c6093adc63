#include "connection/dial_controller.hpp"

#include "program.hpp"

namespace tw {

dial_controller::dial_controller(program& p) : p_(p) {}

void dial_controller::connect() {}
void dial_controller::t_redial_Timer() {}
void dial_controller::b_cancel_Click() {}
void dial_controller::set_idle_controls() {}

}  // namespace tw
