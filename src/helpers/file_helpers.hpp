#pragma once

#include <optional>
#include <string>

#include "platform/path_rules.hpp"

namespace tw {

// Trims blanks from the caller's `path` itself, then tells whether it names a
// regular file that can be opened for reading, without blocking on a FIFO.
// A folder, a FIFO or an empty path gives false.
bool file_exists(std::string& path);

// Creates the folder; every error (exists, parent missing, bad name) is ignored.
void make_directory(const std::string& path);

struct split_result {
    std::optional<std::string> folder;  // with its trailing separator; unset without one
    std::string file;
};
// Splits at the last separator; both parts as `rules` store picked paths.
split_result split_path(const std::string& path, const path_rules& rules = native_paths());

}  // namespace tw
