#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tw {

// How this platform spells paths. POSIX file names are case-sensitive, so
// there a picked path keeps its case (lower-casing it would name another,
// missing file); Windows stores picked paths in lower case. Comparisons made
// on lower-cased paths lower-case a copy on every platform.
struct path_rules {
    char separator;
    bool case_sensitive;

    // The path as the program stores it after a pick in a file dialog.
    std::string stored(std::string path) const;
    // folder + separator + name
    std::string join(std::string_view folder, std::string_view name) const;
    // The drive a full path lies on: its first two characters ("c:") on
    // Windows, the one root "/" on POSIX; "" when the path names no drive.
    std::string drive_of(std::string_view path) const;
    // A companion's command line as its task stores it: trimmed, and in lower
    // case only where file names ignore case, since it carries a folder.
    std::string stored_parameters(std::string_view command_line) const;

    static path_rules windows() { return {'\\', false}; }
    static path_rules posix() { return {'/', true}; }
};

// The rules of the platform the program was built for.
const path_rules& native_paths();

// The program spells paths in UTF-8 on every platform. std::filesystem would
// take a narrow string in the C runtime's code page on Windows, so paths
// cross over to it through these two.
std::filesystem::path file_path(std::string_view utf8);
std::string utf8_path(const std::filesystem::path& path);

// ASCII lower case, as the program compares names.
std::string lower(std::string text);
// Without leading and trailing blanks.
std::string trim(std::string_view text);

}  // namespace tw
