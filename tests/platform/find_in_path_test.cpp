#include "platform/posix/find_in_path.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_folder.hpp"

namespace tw {
namespace {

using testing::temp_folder;
using testing::write_file;

TEST(find_in_path, finds_the_first_executable_file_of_that_name) {
    temp_folder folder;
    const std::string plain = folder / "plain";
    const std::string other = folder / "dir";
    const std::string tools = folder / "tools";
    write_file(plain + "/editor", "not executable");
    std::filesystem::create_directories(other + "/editor");  // a folder, not a program
    write_file(tools + "/editor", "#!/bin/sh\n");
    std::filesystem::permissions(tools + "/editor", std::filesystem::perms::owner_all);
    const std::string search = plain + ":" + other + "::" + tools;

    EXPECT_EQ(find_in_path("editor", search), tools + "/editor");
    EXPECT_EQ(find_in_path("editor", plain), "editor") << "not found: the bare name";
    EXPECT_EQ(find_in_path("editor", ""), "editor");
    EXPECT_EQ(find_in_path("./editor", search), "./editor") << "a path is not searched";
    EXPECT_EQ(find_in_path(tools + "/editor", ""), tools + "/editor");
}

}  // namespace
}  // namespace tw
