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

split_result split_path(const std::string& path, const path_rules& rules) {
    const auto at = path.rfind(rules.separator);
    if (at == std::string::npos) return {std::nullopt, ""};
    return {rules.stored(path.substr(0, at + 1)), rules.stored(path.substr(at + 1))};
}

}  // namespace tw
