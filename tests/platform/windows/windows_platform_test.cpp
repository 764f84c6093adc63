#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "platform/path_rules.hpp"
#include "platform/phonebook_editor.hpp"
#include "platform/profile_store.hpp"
#include "platform/windows/windows_processes.hpp"
#include "platform/windows/windows_system_info.hpp"
#include "test_program.hpp"

namespace tw {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using testing::temp_folder;

// The program's paths are UTF-8, so any name works, not only the local code page's.
TEST(windows_files, utf8_names_work_and_a_read_only_file_is_refused) {
    temp_folder folder;
    const std::string file = folder / "B\xc3\xbcro \xe2\x98\x8e.ini";
    profile_store store;
    store.write(file, "s", "k", "1");
    EXPECT_EQ(testing::read_file(file), "[s]\r\nk=1\r\n");

    const std::filesystem::path wide = std::filesystem::path(L"B\u00fcro \u260e.ini");
    ASSERT_TRUE(std::filesystem::exists(folder.path() / wide));
    store.write(file, "s", "k", "2");
    ::SetFileAttributesW((folder.path() / wide).c_str(), FILE_ATTRIBUTE_READONLY);
    try {
        store.write(file, "s", "k", "3");
        ADD_FAILURE() << "a read-only file was written";
    } catch (const profile_error& error) {
        EXPECT_THAT(error.what(), HasSubstr("cannot write '" + file + "'"));
    }
    EXPECT_EQ(store.read(file, "s", "k"), "2");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
    ::SetFileAttributesW((folder.path() / wide).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(windows_system, the_system_folder_and_its_phone_book_editor) {
    const windows_system_info system;
    EXPECT_THAT(lower(system.system_directory()), EndsWith("\\system32"));
    EXPECT_EQ(system.platform_number(), 2);
    const editor_command editor = phonebook_editor("c:\\books\\office.pbk");
    EXPECT_EQ(editor.program, system.system_directory() + "\\rasphone.exe");
    EXPECT_EQ(editor.parameters, "");
}

// cmd.exe echoes its parameter text as it came, quotes and all.
TEST(windows_processes, a_task_gets_its_parameter_text_as_given_and_is_waited_for) {
    windows_processes processes;
    testing::test_program p({.real_processes = &processes});
    p.loop.pace_in_real_time(true);
    std::string cmd = windows_system_directory() + "\\cmd.exe";
    const std::string out = p.folder / "out.txt";
    p.drive([&] { p.prog.launcher.launch_app(cmd, "/c echo a \"b  c\">\"" + out + "\"", "YES"); });
    EXPECT_EQ(testing::read_file(out), "a \"b  c\"\r\n") << "written before the wait ended";
}

}  // namespace
}  // namespace tw
