#include "platform/path_rules.hpp"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(path_rules, drives_and_companion_command_lines_follow_each_platform) {
    const path_rules windows = path_rules::windows();
    const path_rules posix = path_rules::posix();
    EXPECT_EQ(windows.stored_parameters(" /auto /id=12345 /s=Yahoo /o=C:\\Tools\\Outbox "),
              "/auto /id=12345 /s=yahoo /o=c:\\tools\\outbox");
    EXPECT_EQ(posix.stored_parameters(" /auto /id=12345 /o=/home/Ann/My Outbox "),
              "/auto /id=12345 /o=/home/Ann/My Outbox");
    EXPECT_EQ(windows.drive_of("D:\\Mail\\Outbox"), "D:");
    EXPECT_EQ(posix.drive_of("/home/ann"), "/");
}

}  // namespace
}  // namespace tw
