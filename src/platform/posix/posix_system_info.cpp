#include "platform/posix/posix_system_info.hpp"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "platform/path_rules.hpp"
#include "platform/shipped_files.hpp"

namespace tw {

namespace {

std::filesystem::path executable_folder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : exe.parent_path();
}

// A home taken from the password database when HOME is unset or empty, never
// a shared folder such as /tmp, where another user could lay out the files.
std::filesystem::path home_folder() {
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    const passwd* account = ::getpwuid(::geteuid());
    return account && account->pw_dir ? account->pw_dir : "/";
}

// A relative XDG_CONFIG_HOME is ignored, as the XDG base directory rules say.
std::string user_config_folder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const std::filesystem::path base = xdg && std::filesystem::path(xdg).is_absolute()
                                           ? std::filesystem::path(xdg)
                                           : home_folder() / ".config";
    return (base / "tarnwick").string();
}

}  // namespace

posix_system_info::posix_system_info() : posix_system_info(executable_folder()) {}

posix_system_info::posix_system_info(const std::filesystem::path& executable_folder) {
    const shipped_files shipped = find_shipped_files(executable_folder);
    // An installed program never writes into the install, even where it may
    // (root running /usr/bin/tarnwick).
    const bool own_folder = !shipped.installed && ::access(executable_folder.c_str(), W_OK) == 0;
    program_folder_ = own_folder ? executable_folder.string() : user_config_folder();
    help_page_ = shipped.help_page.empty() ? native_paths().join(program_folder_, help_page_name)
                                           : shipped.help_page.string();
    const char* system = std::getenv("TARNWICK_SYSTEM_DIR");
    system_directory_ = system && *system ? system : program_folder_;
}

std::string posix_system_info::home_folder() const { return tw::home_folder().string(); }

}  // namespace tw
