#include "core/error_log.hpp"

#include <iostream>

#include "platform/file_io.hpp"
#include "platform/path_rules.hpp"

namespace tw {

void error_log_append(const std::string& log_path, wall_time now, const std::string& first,
                      const std::string& second) {
    const std::string stamp = format_date(now) + " - " + format_time(now) + "  ";
    try {
        append_to_file(file_path(log_path), [&](const file_end&) {
            return stamp + first + "\r\n" + stamp + second + "\r\n" + std::string(80, '-') + "\r\n";
        });
    } catch (const file_error& error) {
        std::cerr << first << ": " << second << "\n" << error.what() << std::endl;
    }
}

}  // namespace tw
