#include "platform/folder_ownership.hpp"

#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include "temp_folder.hpp"

namespace tw {
namespace {

// A folder not made yet is judged by the folder it would be made in. Giving a
// file to another user takes root; as anyone else those cases are skipped.
TEST(folder_ownership, another_users_folder_or_file_or_one_others_may_write_is_refused) {
    const passwd* nobody = ::getpwnam("nobody");
    const group* shared = ::getgrnam("nogroup");
    const bool root = ::geteuid() == 0 && nobody && shared;
    const struct {
        const char* change;
        mode_t mode;
        uid_t owner, tw_ini_owner;  // -1: the user's own
        gid_t group;                // -1: the user's own
        const char* refused_path;
        const char* reason;
    } cases[] = {
        {"the user's own", 0700, uid_t(-1), uid_t(-1), gid_t(-1), nullptr, nullptr},
        {"writable by all", 0777, uid_t(-1), uid_t(-1), gid_t(-1), "",
         "may be written by other users"},
        {"root's own private group may write", 0770, uid_t(-1), uid_t(-1), 0, nullptr, nullptr},
        {"a shared group may write", 0770, uid_t(-1), uid_t(-1), root ? shared->gr_gid : 0, "",
         "may be written by other users"},
        {"another user's folder", 0700, root ? nobody->pw_uid : 0, uid_t(-1), gid_t(-1), "",
         "belongs to another user (uid "},
        {"a file of another user", 0700, uid_t(-1), root ? nobody->pw_uid : 0, gid_t(-1), "/tw.ini",
         "belongs to another user (uid "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.change);
        if (!root && (c.owner != uid_t(-1) || c.tw_ini_owner != uid_t(-1) || c.group != gid_t(-1)))
            continue;
        testing::temp_folder folder;
        const std::string path = folder.path().string();
        testing::write_file(path + "/tw.ini", "");
        ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
        ASSERT_EQ(::chown(path.c_str(), c.owner, c.group), 0);
        ASSERT_EQ(::chown((path + "/tw.ini").c_str(), c.tw_ini_owner, gid_t(-1)), 0);
        for (const std::string made_below : {"", "/.config/tarnwick"}) {
            const auto why = foreign_files(path + made_below, {"tw.ini", "task.ini"});
            const bool refused = c.reason && (made_below.empty() || !*c.refused_path);
            ASSERT_EQ(why.has_value(), refused) << made_below;
            if (!why) continue;
            EXPECT_EQ(why->path, path + c.refused_path);
            EXPECT_EQ(why->reason.rfind(c.reason, 0), 0u) << why->reason;
        }
    }
}

}  // namespace
}  // namespace tw
