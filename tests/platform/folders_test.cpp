#include "platform/folders.hpp"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_folder.hpp"

namespace tw {
namespace {

TEST(folders, a_folder_list_shows_the_folder_or_its_nearest_readable_ancestor) {
    testing::temp_folder temp;
    const std::string base = temp.path().string();
    std::filesystem::create_directories(temp / "a/b");
    EXPECT_EQ(listed_folder(base + "/a/./b/"), base + "/a/b");
    EXPECT_EQ(listed_folder(base + "/a/gone"), std::nullopt);
    EXPECT_EQ(readable_folder(base + "/a/gone/deeper"), base + "/a");
    EXPECT_EQ(readable_folder("/"), "/");
    EXPECT_EQ(readable_folder(""), std::nullopt);
    EXPECT_EQ(drives(), std::vector<std::string>{"/"});
}

}  // namespace
}  // namespace tw
