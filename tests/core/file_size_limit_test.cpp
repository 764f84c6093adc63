#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file_io.hpp"
#include "test_program.hpp"

namespace tw {
namespace {

namespace fs = std::filesystem;

// A runaway file far beyond any of the program's own would take all memory to
// read; it is refused, the user told once, and it stays as it is.
TEST(file_size_limit, a_file_over_64_mb_is_told_about_once_and_never_written_over) {
    for (const char* name : {"tw.ini", "task.ini", "fcd.ini", "system/ras/rasphone.pbk"}) {
        SCOPED_TRACE(name);
        testing::test_program p;
        const std::string path = p.folder / name;
        p.write(name, "[Current]\r\n");
        fs::resize_file(file_path(path), max_file_bytes + 1);
        p.dialogs.expect_message("The file '" + path +
                                 "' is larger than 64 MB, too large to be one of Tarnwick's "
                                 "files.  Tarnwick goes on without it and does not write over it.");
        p.start_up();
        p.shutdown();
        EXPECT_EQ(p.exit_code, 0);
        EXPECT_EQ(fs::file_size(file_path(path)), max_file_bytes + 1);
        EXPECT_THAT(p.file("log.txt"),
                    ::testing::HasSubstr("cannot read '" + path + "': it is larger than 64 MB"));
    }
}

}  // namespace
}  // namespace tw
