#include "connection/disconnector.hpp"

#include "program.hpp"

namespace tw {

disconnector::disconnector(program& p) : p_(p) {}

void disconnector::disconnect() {}
void disconnector::b_disconnect_Click() {}
void disconnector::o_disconnect_in_minutes_Change() {}
void disconnector::t_disconnect_Timer() {}

}  // namespace tw
