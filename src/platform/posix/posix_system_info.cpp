#include "platform/posix/posix_system_info.hpp"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace tw {

namespace {

std::string executable_folder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path().string() : exe.parent_path().string();
}

std::string user_config_folder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    const std::filesystem::path base =
        xdg && *xdg ? std::filesystem::path(xdg)
                    : std::filesystem::path(home && *home ? home : "/tmp") / ".config";
    const auto folder = base / "tarnwick";
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    return folder.string();
}

}  // namespace

posix_system_info::posix_system_info() {
    program_folder_ = executable_folder();
    if (::access(program_folder_.c_str(), W_OK) != 0) program_folder_ = user_config_folder();
    const char* system = std::getenv("TARNWICK_SYSTEM_DIR");
    system_directory_ = system && *system ? system : program_folder_;
}

}  // namespace tw
