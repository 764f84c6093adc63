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

// Creates the folder and any missing parents, the folder itself with rights
// for its owner alone (0700), as the program's logs hold whole command lines
// whose parameters may name accounts; a folder that exists is left as it is.
// Errors are ignored, as make_directory's are.
void make_private_directory(const std::string& path);

struct split_result {
    std::optional<std::string> folder;  // with its trailing separator; unset without one
    std::string file;
};
// Splits at the last separator; both parts as `rules` store picked paths.
split_result split_path(const std::string& path, const path_rules& rules = native_paths());

}  // namespace tw
