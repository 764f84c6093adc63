#include "core/error_log.hpp"

#include <filesystem>
#include <fstream>

#include "platform/path_rules.hpp"

namespace tw {

void error_log_append(const std::string& log_path, wall_time now, const std::string& first,
                      const std::string& second) {
    // Anything but a file in its place (a FIFO would block the open) goes unlogged.
    std::error_code error;
    const auto type = std::filesystem::status(file_path(log_path), error).type();
    if (type != std::filesystem::file_type::not_found &&
        type != std::filesystem::file_type::regular)
        return;
    std::ofstream file(file_path(log_path), std::ios::binary | std::ios::app);
    const std::string stamp = format_date(now) + " - " + format_time(now) + "  ";
    file << stamp << first << "\r\n" << stamp << second << "\r\n" << std::string(80, '-') << "\r\n";
}

}  // namespace tw
