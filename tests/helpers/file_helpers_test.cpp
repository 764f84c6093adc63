#include "helpers/file_helpers.hpp"

#include <gtest/gtest.h>

#include "temp_folder.hpp"

namespace tw {
namespace {

TEST(file_helpers, file_exists_trims_the_callers_path_and_rejects_folders) {
    testing::temp_folder folder;
    testing::write_file(folder / "a.txt", "x");
    std::string padded = "  " + (folder / "a.txt") + "  ", empty = "   ";
    EXPECT_TRUE(file_exists(padded));
    EXPECT_EQ(padded, folder / "a.txt");
    for (std::string missing : {folder / "missing.txt", folder.path().string()})
        EXPECT_FALSE(file_exists(missing)) << missing;
    EXPECT_FALSE(file_exists(empty));
    EXPECT_EQ(empty, "");

    for (const auto& made : {folder / "logs", folder / "logs", folder / "no/such/x", std::string()})
        make_directory(made);  // errors are ignored
    EXPECT_TRUE(std::filesystem::is_directory(folder / "logs"));
}

TEST(file_helpers, split_path_keeps_case_on_posix_and_lowers_it_on_windows) {
    const split_result posix = split_path("/Home/Me/Report.LOG", path_rules::posix());
    EXPECT_EQ(posix.folder, "/Home/Me/");
    EXPECT_EQ(posix.file, "Report.LOG");
    const split_result windows = split_path("C:\\Logs\\Report.LOG", path_rules::windows());
    EXPECT_EQ(windows.folder, "c:\\logs\\");
    EXPECT_EQ(windows.file, "report.log");
    const split_result bare = split_path("report.log", path_rules::posix());
    EXPECT_FALSE(bare.folder.has_value());
    EXPECT_EQ(bare.file, "");
}

}  // namespace
}  // namespace tw
