#include "platform/browser_rules.hpp"

#include <filesystem>
#include <system_error>

#include "platform/path_rules.hpp"

namespace tw {

namespace {

bool contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

bool is_executable_file(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    return !error && fs::is_regular_file(status) &&
           (status.permissions() & (fs::perms::owner_exec | fs::perms::group_exec |
                                    fs::perms::others_exec)) != fs::perms::none;
}

}  // namespace

bool is_supported_browser(const std::string& path, browser_rules rules) {
    if (rules == browser_rules::any_program) return is_executable_file(path);
    const std::string name = lower(path);
    return contains(name, "netscape.exe") || contains(name, "iexplore.exe");
}

std::string browser_service(const std::string& path, browser_rules rules) {
    const std::string name = lower(path);
    if (contains(name, "netscape.exe")) return "NETSCAPE";
    if (contains(name, "iexplore.exe") || rules == browser_rules::any_program) return "IEXPLORE";
    return "";
}

}  // namespace tw
