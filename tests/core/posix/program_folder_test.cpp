#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "test_program.hpp"

namespace tw {
namespace {

namespace fs = std::filesystem;

fs::perms permissions_of(const std::string& path) {
    return fs::status(path).permissions() & fs::perms::mask;
}

// Another user could put a task list there that this user's program runs.
TEST(program_folder, one_others_may_write_is_refused_with_4_and_nothing_written) {
    testing::test_program p({.command_line = "/s MyISP /d"});
    fs::permissions(p.folder.path(), fs::perms::all);
    p.dialogs.expect_message(
        "Tarnwick does not start: '" + p.folder.path().string() +
        "' may be written by other users.  Tarnwick keeps its files only where no other user "
        "can change them, as they say which programs it runs.  Make the folder and its files "
        "yours alone (chown, chmod go-w), or start Tarnwick as their owner.");
    p.start_up();
    EXPECT_EQ(p.exit_code, 4);
    EXPECT_EQ(p.dialogs.messages().at(0).flags, box::critical);
    EXPECT_EQ(std::distance(fs::directory_iterator(p.folder.path()), {}), 1)
        << "nothing beside the test's system/";
}

// The logs hold whole command lines, whose parameters may name accounts.
TEST(program_folder, a_folder_the_program_creates_and_its_logs_are_the_users_alone) {
    testing::test_program p;
    p.system.folder = p.folder / "home/.config/tarnwick";
    p.start_up();
    EXPECT_EQ(permissions_of(p.system.folder), fs::perms::owner_all);
    EXPECT_EQ(permissions_of(p.system.folder + "/logs"), fs::perms::owner_all);
    EXPECT_TRUE(fs::exists(p.system.folder + "/tw.ini"));
}

}  // namespace
}  // namespace tw
