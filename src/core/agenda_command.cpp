#include "core/agenda_command.hpp"

#include <algorithm>
#include <charconv>
#include <ostream>

#include "core/settings_file.hpp"
#include "platform/path_rules.hpp"
#include "platform/profile_store.hpp"
#include "scheduler/agenda.hpp"
#include "scheduler/task_file.hpp"

namespace tw {

namespace {

constexpr int default_agenda_hours = 24;

constexpr const char* usage =
    "usage: tarnwick --agenda [HOURS]   (HOURS: a whole number from 1 to 8760, 24 unless "
    "given)\n";

std::optional<int> whole_hours(const std::string& text) {
    int hours = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), hours);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (hours < 1 || hours > max_agenda_hours) return std::nullopt;
    return hours;
}

}  // namespace

std::optional<int> agenda_command(const std::vector<std::string>& arguments,
                                  const std::string& program_folder, wall_time now,
                                  std::ostream& out, std::ostream& err) {
    const auto asked = std::find(arguments.begin(), arguments.end(), "--agenda");
    if (asked == arguments.end()) return std::nullopt;
    const std::vector<std::string> given(std::next(asked), arguments.end());
    const auto hours = given.empty()       ? default_agenda_hours
                       : given.size() == 1 ? whole_hours(given[0])
                                           : std::nullopt;
    if (!hours) {
        err << usage;
        return 2;
    }
    profile_store profiles;
    const std::string settings = native_paths().join(program_folder, "tw.ini");
    const std::string task_file = stored_file_or_default(
        profiles.read(settings, "Current", "Task Ini File"), program_folder, "task.ini");
    write_agenda(out, read_task_list(profiles, task_file), now, *hours);
    return 0;
}

}  // namespace tw
