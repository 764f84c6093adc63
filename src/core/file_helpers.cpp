#include "core/file_helpers.hpp"

#include <filesystem>
#include <fstream>

namespace tw {

bool file_exists(std::string& path) {
    path = trim(path);
    if (path.empty()) return false;
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) return false;
    std::ifstream file(path, std::ios::binary);
    return file.is_open();
}

void make_directory(const std::string& path) {
    std::error_code ignored;
    std::filesystem::create_directory(path, ignored);
}

split_result split_path(const std::string& path, const path_rules& rules) {
    const auto at = path.rfind(rules.separator);
    if (at == std::string::npos) return {std::nullopt, ""};
    return {rules.stored(path.substr(0, at + 1)), rules.stored(path.substr(at + 1))};
}

}  // namespace tw
