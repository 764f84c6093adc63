#include "connection/connected_session.hpp"

#include "program.hpp"

namespace tw {

connected_session::connected_session(program& p) : p_(p) {}

void connected_session::ctrl_RAS_state_changed() {}
void connected_session::ctrl_RAS_state_notice() {}
void connected_session::simulate_connected() {}
void connected_session::run_connect_tasks() {}
void connected_session::t_connection_time_Timer() {}

}  // namespace tw
