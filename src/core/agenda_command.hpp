#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/wall_time.hpp"

namespace tw {

// The longest agenda asked for: a year.
inline constexpr int max_agenda_hours = 8760;

// `--agenda [HOURS]` among `arguments` (those after the program's name):
// writes the agenda of the task file the settings in `program_folder` name,
// from `now` over HOURS (24 unless given), to `out` and answers 0; a HOURS
// that is not a whole number from 1 to max_agenda_hours, or anything after
// it, gets the usage on `err` and 2. Only reads files. Nothing when the
// arguments do not ask for it.
std::optional<int> agenda_command(const std::vector<std::string>& arguments,
                                  const std::string& program_folder, wall_time now,
                                  std::ostream& out, std::ostream& err);

}  // namespace tw
