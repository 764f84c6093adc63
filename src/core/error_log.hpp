#pragma once

#include <string>

#include "toolkit/wall_time.hpp"

namespace tw {

// Appends an error to the error log file (created when missing): the two
// texts, each on a stamped line "mm-dd-yyyy - hh:mm:ss  text", then a rule of
// 80 dashes. The entry is appended whole or not at all; when the error log
// cannot take it (a full disk, a FIFO in its place), it goes to standard error.
void error_log_append(const std::string& log_path, wall_time now, const std::string& first,
                      const std::string& second);

}  // namespace tw
