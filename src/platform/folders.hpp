#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/path_rules.hpp"

namespace tw {

// What the drive and folder lists of a form offer, as the file system has it.
// A folder list writes a folder's path in full, without a trailing separator.

// The machine's drives: the letters whose root answers ("c:") on Windows,
// the one root "/" on POSIX.
std::vector<std::string> drives(const path_rules& rules = native_paths());

// `path` as a folder list writes it, when it is a folder that can be listed.
std::optional<std::string> listed_folder(const std::string& path);

// The folder a folder list shows for `path`: the folder itself when it can be
// listed, else its nearest ancestor that can; nullopt when nothing up to the
// root can (a drive that is not ready). A drive alone ("c:") gives that
// drive's current folder, "." the working folder.
std::optional<std::string> readable_folder(const std::string& path);

}  // namespace tw
