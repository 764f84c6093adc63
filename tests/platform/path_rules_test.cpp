#include "platform/path_rules.hpp"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(path_rules, drives_and_companion_command_lines_follow_each_platform) {
    const path_rules windows = path_rules::windows();
    const path_rules posix = path_rules::posix();
    EXPECT_EQ(windows.stored_parameters(" /o=C:\\Tools\\Outbox "), "/o=c:\\tools\\outbox");
    EXPECT_EQ(posix.stored_parameters(" /o=/home/Ann/My Outbox "), "/o=/home/Ann/My Outbox");
    // Drive letters compare without case: a drive is named as the drive list names it.
    EXPECT_EQ(windows.drive_of("D:\\Mail\\Outbox"), "d:");
    EXPECT_EQ(posix.drive_of("/home/ann"), "/");
}

}  // namespace
}  // namespace tw
