#include "platform/posix/terminal_programs.hpp"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <vector>

#include "platform/command_line_split.hpp"

namespace tw {

namespace {

namespace fs = std::filesystem;

// $XDG_DATA_HOME (~/.local/share), then $XDG_DATA_DIRS (/usr/local/share:/usr/share).
std::vector<fs::path> data_folders() {
    const auto variable = [](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    };
    std::vector<fs::path> folders;
    if (const std::string home = variable("XDG_DATA_HOME"); !home.empty())
        folders.emplace_back(home);
    else if (const std::string user = variable("HOME"); !user.empty())
        folders.push_back(fs::path(user) / ".local/share");
    std::string shared = variable("XDG_DATA_DIRS");
    if (shared.empty()) shared = "/usr/local/share:/usr/share";
    for (std::size_t from = 0; from <= shared.size();) {
        const std::size_t end = std::min(shared.find(':', from), shared.size());
        if (end > from) folders.emplace_back(shared.substr(from, end - from));
        from = end + 1;
    }
    return folders;
}

struct desktop_entry {
    std::string program;  // TryExec, else the first word of Exec
    bool terminal = false;
};

desktop_entry read_entry(const fs::path& file) {
    std::ifstream in(file);
    desktop_entry entry;
    std::string exec, try_exec;
    bool in_main_group = false;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with('[')) in_main_group = line.starts_with("[Desktop Entry]");
        if (!in_main_group) continue;
        if (line.starts_with("Exec=")) exec = line.substr(5);
        if (line.starts_with("TryExec=")) try_exec = line.substr(8);
        if (line.starts_with("Terminal=")) entry.terminal = line.substr(9).starts_with("true");
    }
    const std::vector<std::string> words = split_command_line(exec);
    entry.program = !try_exec.empty() ? try_exec : words.empty() ? "" : words.front();
    return entry;
}

}  // namespace

bool needs_terminal(const std::string& program) {
    const fs::path name = fs::path(program).filename();
    std::error_code error;
    for (const fs::path& folder : data_folders())
        for (const auto& file : fs::directory_iterator(folder / "applications", error)) {
            if (file.path().extension() != ".desktop") continue;
            const desktop_entry entry = read_entry(file.path());
            if (!entry.terminal && !entry.program.empty() &&
                fs::path(entry.program).filename() == name)
                return false;
        }
    return true;
}

}  // namespace tw
