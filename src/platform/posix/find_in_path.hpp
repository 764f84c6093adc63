#pragma once

#include <string>
#include <string_view>

namespace tw {

// The first executable file `name` in the ':'-separated folders of `search_path`
// (an empty folder is the current one), as a shell would find it. A name with a
// '/' is taken as it is; a name found nowhere comes back unchanged.
std::string find_in_path(std::string_view name, std::string_view search_path);

}  // namespace tw
