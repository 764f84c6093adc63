#include "helpers/file_helpers.hpp"

#include <filesystem>

#include "platform/file_io.hpp"

namespace tw {

bool file_exists(std::string& path) {
    path = trim(path);
    return !path.empty() && is_readable_file(path);
}

void make_directory(const std::string& path) {
    std::error_code ignored;
    std::filesystem::create_directory(file_path(path), ignored);
}

void make_private_directory(const std::string& path) {
    namespace fs = std::filesystem;
    const fs::path folder = file_path(path);
    std::error_code ignored;
    if (folder.has_parent_path()) fs::create_directories(folder.parent_path(), ignored);
    if (fs::create_directory(folder, ignored))
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, ignored);
}

split_result split_path(const std::string& path, const path_rules& rules) {
    const auto at = path.rfind(rules.separator);
    if (at == std::string::npos) return {std::nullopt, ""};
    return {rules.stored(path.substr(0, at + 1)), rules.stored(path.substr(at + 1))};
}

}  // namespace tw
