#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/wall_time.hpp"

namespace tw {

// What the program answers on its console, before any window, to the
// arguments after its name: "--help" prints the usage and "--version" the
// version (0); "--agenda" runs agenda_command; any other argument that starts
// with "--" gets a one-line message naming --help on `err` (2). "--help" wins
// over the rest, then "--version". Nothing for other arguments: the window
// starts. `program_folder` is asked only by the agenda, so the others touch
// no file.
std::optional<int> console_command(const std::vector<std::string>& arguments,
                                   const std::function<std::string()>& program_folder,
                                   wall_time now, std::ostream& out, std::ostream& err);

}  // namespace tw
