#include "platform/folders.hpp"

#include <filesystem>

namespace tw {

namespace fs = std::filesystem;

std::vector<std::string> drives(const path_rules& rules) {
    if (rules.separator == '/') return {"/"};
    std::vector<std::string> found;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const std::string drive{letter, ':'};
        std::error_code error;
        if (fs::is_directory(drive + rules.separator, error)) found.push_back(drive);
    }
    return found;
}

namespace {

std::optional<fs::path> full_folder_path(const std::string& path) {
    if (path.empty()) return std::nullopt;
    std::error_code error;
    fs::path folder = fs::absolute(path, error).lexically_normal();
    if (error) return std::nullopt;
    if (folder.filename().empty() && folder.has_relative_path()) folder = folder.parent_path();
    return folder;
}

bool can_list(const fs::path& folder) {
    std::error_code error;
    const fs::directory_iterator listing(folder, error);
    return !error;
}

}  // namespace

std::optional<std::string> listed_folder(const std::string& path) {
    const auto folder = full_folder_path(path);
    if (!folder || !can_list(*folder)) return std::nullopt;
    return folder->string();
}

std::optional<std::string> readable_folder(const std::string& path) {
    auto folder = full_folder_path(path);
    if (!folder) return std::nullopt;
    for (;;) {
        if (can_list(*folder)) return folder->string();
        if (!folder->has_relative_path()) return std::nullopt;
        *folder = folder->parent_path();
    }
}

}  // namespace tw
