#include "platform/folder_ownership.hpp"

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>

#include "platform/path_rules.hpp"

namespace tw {

namespace {

// A group named after the user, holding no one else: Debian's user private
// groups, whose write bit lets no other user in.
bool is_private_group(gid_t group, uid_t user) {
    const passwd* account = ::getpwuid(user);
    const struct group* found = ::getgrgid(group);
    if (!account || !found || std::strcmp(found->gr_name, account->pw_name) != 0) return false;
    for (char** member = found->gr_mem; *member; ++member)
        if (std::strcmp(*member, account->pw_name) != 0) return false;
    return true;
}

std::optional<std::string> ownership_problem(const struct stat& info) {
    if (info.st_uid != ::geteuid())
        return "belongs to another user (uid " + std::to_string(info.st_uid) + ")";
    return std::nullopt;
}

}  // namespace

// A folder not made yet is judged by the nearest one above it, where it would
// be made: root must not make a folder in a user's home.
std::optional<refusal> foreign_files(const std::string& folder,
                                     const std::vector<std::string>& names) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) {
        const std::string above = std::filesystem::path(folder).parent_path().string();
        return above.empty() || above == folder ? std::nullopt : foreign_files(above, {});
    }
    if (const auto problem = ownership_problem(info)) return refusal{folder, *problem};
    const bool group_may_write =
        (info.st_mode & S_IWGRP) && !is_private_group(info.st_gid, ::geteuid());
    if ((info.st_mode & S_IWOTH) || group_may_write)
        return refusal{folder, "may be written by other users"};
    for (const std::string& name : names) {
        const std::string path = native_paths().join(folder, name);
        if (::stat(path.c_str(), &info) != 0) continue;
        if (const auto problem = ownership_problem(info)) return refusal{path, *problem};
    }
    return std::nullopt;
}

}  // namespace tw
