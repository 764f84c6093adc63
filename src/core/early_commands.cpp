#include "core/early_commands.hpp"

#include "core/agenda_command.hpp"

namespace tw {

std::optional<int> early_command(const std::vector<std::string>& arguments,
                                 const std::string& program_folder, wall_time now,
                                 std::ostream& out, std::ostream& err) {
    return agenda_command(arguments, program_folder, now, out, err);
}

}  // namespace tw
