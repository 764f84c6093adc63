#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tw {

// Why the program must not keep its files in `folder`, as words that follow
// a path ("belongs to another user"), with the path they concern; nullopt
// when it may. Another user's folder or file would make the program run that
// user's task list with this user's rights (or root's), or write through
// that user's links over this user's files; a folder other users may write
// lets them put such files there. `names` are the program's own entries in
// the folder; those that exist are checked too. A group's write bit counts
// only for a group that is not the user's own private group. A folder that
// does not exist yet is judged by the nearest folder above it.
//
// POSIX only: on Windows the per-user folders and their ACLs keep other
// users out, and nothing is refused.
struct refusal {
    std::string path;
    std::string reason;
};
std::optional<refusal> foreign_files(const std::string& folder,
                                     const std::vector<std::string>& names);

}  // namespace tw
