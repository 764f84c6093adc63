#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/wall_time.hpp"

namespace tw {

// The commands answered before any window opens: no dial, no file written.
// `arguments` are those after the program's name; the answer goes to `out`
// or `err`, and its exit code comes back. Nothing when the arguments ask
// for the program itself.
std::optional<int> early_command(const std::vector<std::string>& arguments,
                                 const std::string& program_folder, wall_time now,
                                 std::ostream& out, std::ostream& err);

}  // namespace tw
