#include "platform/posix/find_in_path.hpp"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <string>

namespace tw {

namespace {

bool is_executable_file(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::string find_in_path(std::string_view name, std::string_view search_path) {
    if (name.empty() || name.find('/') != std::string_view::npos) return std::string(name);
    for (std::size_t from = 0;;) {
        const std::size_t end = std::min(search_path.find(':', from), search_path.size());
        const std::string_view folder = search_path.substr(from, end - from);
        std::string candidate =
            (folder.empty() ? std::string(".") : std::string(folder)) + "/" + std::string(name);
        if (is_executable_file(candidate)) return candidate;
        if (end == search_path.size()) return std::string(name);
        from = end + 1;
    }
}

}  // namespace tw
