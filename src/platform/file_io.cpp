#include "platform/file_io.hpp"

#include "platform/path_rules.hpp"

namespace tw {

file_too_large::file_too_large(const std::filesystem::path& file)
    : file_error("cannot read '" + utf8_path(file) + "': it is larger than " +
                 std::to_string(max_file_megabytes) + " MB"),
      file_(utf8_path(file)) {}

file_end file_end_from_tail(std::string_view tail, bool empty) {
    const auto line_feed = tail.rfind('\n');
    return {empty,
            std::string(line_feed == std::string_view::npos ? tail : tail.substr(line_feed + 1))};
}

}  // namespace tw
