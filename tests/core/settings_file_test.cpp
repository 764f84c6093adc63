#include <gtest/gtest.h>

#include <filesystem>

#include "test_program.hpp"

namespace tw {
namespace {

using testing::test_program;

constexpr const char* first_start_file =
    "[Current]\r\n"
    "Save Logs=No\r\n"
    "Run Tasks At Connect=No\r\n"
    "Reconnect After Line Drop=No\r\n"
    "Start Scheduler At Connect=No\r\n"
    "Disconnect After Last Task=No\r\n";

// The first write stores only the yes/no keys; the one at the end stores every key in order.
TEST(settings_file, first_start_writes_the_yes_no_keys_reads_the_defaults_and_the_end_all_keys) {
    test_program p;
    p.start_up();
    EXPECT_EQ(p.file("tw.ini"), first_start_file);
    EXPECT_EQ(p.main().o_timeout.text(), "120");
    EXPECT_EQ(p.main().o_retry_count.text(), "3");
    EXPECT_EQ(p.prog.log_directory, p.folder / "logs");
    EXPECT_TRUE(std::filesystem::is_directory(p.folder / "logs"));
    EXPECT_TRUE(std::filesystem::is_directory(p.folder / "outbox"));
    EXPECT_EQ(p.file("fcd.ini"),
              "[Current]\r\nEmail Outbox Directory=" + (p.folder / "outbox") + "\r\n");
    p.shutdown();
    EXPECT_EQ(p.exit_code, 0);
    EXPECT_EQ(p.file("tw.ini"),
              std::string(first_start_file) + "Help File=" + (p.folder / "twhelp.htm") +
                  "\r\nBrowser=\r\nRAS Phonebook=" + (p.folder / "system/ras/rasphone.pbk") +
                  "\r\nLast Directory=" + p.folder.path().string() +
                  "\r\nTask Ini File=" + (p.folder / "task.ini") +
                  "\r\nDefault ISP=\r\nSpecific Connect Time=\r\n"
                  "Specific Disconnect Time=\r\nTimeout=120\r\nRetry Count=3\r\n");
}

TEST(settings_file, booleans_are_on_when_the_value_holds_a_y) {
    test_program p;
    p.write(
        "tw.ini",
        "[Current]\r\nSave Logs=yes\r\nRun Tasks At Connect=Y\r\nReconnect After Line Drop=1\r\n"
        "Start Scheduler At Connect=True\r\nDisconnect After Last Task=on\r\n"
        "Simulated Connection=  y  \r\nTimeout=\r\nRetry Count=\r\n");
    p.start_up();
    EXPECT_TRUE(p.prog.save_logs);
    EXPECT_TRUE(p.prog.run_tasks_at_connect);
    EXPECT_FALSE(p.prog.reconnect_on_line_drop);
    EXPECT_FALSE(p.prog.start_scheduler_at_connect);
    EXPECT_FALSE(p.prog.disconnect_after_last_task);
    EXPECT_TRUE(p.prog.simulate_connection);
    EXPECT_EQ(p.main().o_save_logs.value(), 1);
    EXPECT_EQ(p.main().o_timeout.text(), "120");
    EXPECT_EQ(p.main().o_retry_count.text(), "3");

    p.write("tw.ini", "[Current]\r\nTimeout=45\r\n");
    p.prog.settings.settings_pass("read");
    EXPECT_EQ(p.main().o_timeout.text(), "45") << "the mode is read without regard to case";
}

// A stored value that is not a whole number, or a time-out of 0, gives way to
// the default with an entry in the error log. The boxes take digits only.
TEST(settings_file, timeout_and_retry_count_hold_whole_numbers_only) {
    const struct {
        const char *timeout, *retries, *shown_timeout, *shown_retries;
        std::size_t log_entries;
    } cases[] = {{"45", "0", "45", "0", 0},     {"abc", "-5", "120", "3", 2},
                 {"0", "2.5", "120", "3", 2},   {"", "", "120", "3", 0},
                 {"1e3", "03", "120", "03", 1}, {"12 s", "+1", "120", "3", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.timeout) + "/" + c.retries);
        test_program p;
        p.write("tw.ini", std::string("[Current]\r\nTimeout=") + c.timeout +
                              "\r\nRetry Count=" + c.retries + "\r\n");
        p.start_up();
        EXPECT_EQ(p.main().o_timeout.text(), c.shown_timeout);
        EXPECT_EQ(p.main().o_retry_count.text(), c.shown_retries);
        const std::string log =
            std::filesystem::exists(p.folder / "log.txt") ? p.file("log.txt") : "";
        std::size_t entries = 0;
        for (auto at = log.find("mod1:"); at != std::string::npos; at = log.find("mod1:", at + 1))
            ++entries;
        EXPECT_EQ(entries, c.log_entries) << log;
    }
    test_program p;
    p.start_up();
    text_box& timeout = p.main().o_timeout;
    for (const char* typed : {"9x", "-5", " 9", "1.5"}) {
        timeout.set_text(typed);
        EXPECT_EQ(timeout.text(), "120") << typed;
    }
    timeout.set_text("");
    timeout.set_text("90");
    EXPECT_EQ(p.prog.timeout_text, "90");
}

// Hand-set keys the program does not write (Log Directory, Simulated Connection) stay;
// "Directory" goes at every write. The help page falls back to the one the
// program ships with, which an install keeps apart from the program folder.
TEST(settings_file, unopenable_paths_fall_back_others_are_trimmed_and_hand_set_keys_kept) {
    test_program p({.phone_book = ""});
    p.system.help = "/opt/tarnwick/share/tarnwick/twhelp.htm";
    p.write("my tasks.ini", "");
    p.write("tw.ini", "[Current]\r\nHelp File=/nowhere/help.htm\r\nTask Ini File=  " +
                          (p.folder / "my tasks.ini") +
                          "\r\nBrowser=/nowhere/browser\r\nDirectory=c:\\old\r\n"
                          "Simulated Connection=Yes\r\nLog Directory=" +
                          (p.folder / "my logs") + "\r\n");
    p.start_up();
    EXPECT_EQ(p.prog.help_file_path, "/opt/tarnwick/share/tarnwick/twhelp.htm");
    EXPECT_EQ(p.prog.task_file_path, p.folder / "my tasks.ini");
    EXPECT_EQ(p.prog.browser_path, "");
    EXPECT_EQ(p.prog.phonebook_path, "") << "no phone book in the system folder";
    EXPECT_TRUE(std::filesystem::is_directory(p.folder / "my logs"));
    p.shutdown();
    const std::string file = p.file("tw.ini");
    EXPECT_EQ(file.find("Directory=c:"), std::string::npos);
    EXPECT_NE(file.find("Simulated Connection=Yes\r\n"), std::string::npos);
    EXPECT_NE(file.find("Log Directory=" + (p.folder / "my logs") + "\r\n"), std::string::npos);
}

// Neither the settings nor last.log can be replaced by a file here.
TEST(settings_file, failed_writes_go_to_the_error_log_and_the_program_ends_anyway) {
    test_program p;
    std::filesystem::create_directories(p.folder / "tw.ini");
    std::filesystem::create_directories(p.folder / "logs/last.log");
    p.start_up();
    p.main().o_save_logs.set_value(1);
    p.shutdown();
    EXPECT_EQ(p.exit_code, 0);
    const std::string log = p.file("log.txt");
    const std::string entry = "  mod1:errorreadwriteini\r\n";
    // the first WRITE, the one at the end, and last.log
    std::size_t entries = 0;
    for (auto at = log.find(entry); at != std::string::npos; at = log.find(entry, at + 1))
        ++entries;
    EXPECT_EQ(entries, 3u) << log;
    EXPECT_NE(log.find(std::string(80, '-') + "\r\n"), std::string::npos);
    EXPECT_EQ(log.substr(10, 3), " - ");
}

TEST(settings_file, a_value_the_file_cannot_hold_costs_only_its_own_key) {
    test_program p;
    p.start_up();
    p.main().o_line_drop.set_value(1);
    p.prog.default_isp = "My\nISP";
    p.shutdown();
    EXPECT_NE(p.file("tw.ini").find("Reconnect After Line Drop=Yes\r\n"), std::string::npos);
    EXPECT_NE(p.file("log.txt").find("a line break cannot be stored"), std::string::npos);
}

}  // namespace
}  // namespace tw
