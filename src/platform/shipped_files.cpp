#include "platform/shipped_files.hpp"

namespace tw {

shipped_files find_shipped_files(const std::filesystem::path& executable_folder) {
    std::error_code error;
    const auto beside = executable_folder / help_page_name;
    if (std::filesystem::is_regular_file(beside, error)) return {beside, false};
    const auto installed = executable_folder.parent_path() / "share" / "tarnwick" / help_page_name;
    if (std::filesystem::is_regular_file(installed, error)) return {installed, true};
    return {};
}

}  // namespace tw
