#pragma once

#include <string>

namespace tw {

// An active connection's state reason (NMActiveConnectionStateReason) in
// words; "" for "none", which goes with ends that need no reason.
std::string state_reason_text(unsigned reason);

}  // namespace tw
