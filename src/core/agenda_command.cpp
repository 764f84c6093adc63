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
    const auto given = std::next(asked);
    const auto hours = given == arguments.end() ? default_agenda_hours : whole_hours(*given);
    if (!hours) {
        err << "tarnwick: --agenda takes a whole number of hours from 1 to " << max_agenda_hours
            << ".\n";
        return 2;
    }
    profile_store profiles;
    const std::string settings = native_paths().join(program_folder, "tw.ini");
    const std::string task_file = stored_file_or_default(
        profiles.read(settings, "Current", "Task Ini File"), program_folder, "task.ini");
    out << agenda_text(read_task_list(profiles, task_file), now, *hours);
    return 0;
}

}  // namespace tw
