#pragma once

#include <string>

namespace tw {

// Whether `program` (a name or a path) needs a terminal to be seen: none of
// the desktop's application entries (applications/*.desktop in the XDG data
// folders) starts it outside one. A program without an entry (vi, ed) needs
// one; a window program (gedit, code) has an entry with Terminal=false.
bool needs_terminal(const std::string& program);

}  // namespace tw
