#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "platform/bounded_lock.hpp"
#include "platform/instance_lock.hpp"
#include "test_program.hpp"

namespace tw {
namespace {

using testing::test_program;

TEST(start_up, fills_the_window_and_ends_with_the_normal_pointer) {
    test_program p;
    p.write("fcd.ini", "[Current]\r\nEmail Outbox Directory=/elsewhere\r\n");
    p.main().o_log.add_item("left over");
    p.start_up();
    EXPECT_TRUE(std::filesystem::is_directory(p.folder / "outbox"));
    EXPECT_FALSE(std::filesystem::exists("outbox")) << "not in the current folder";
    const frm_main& m = p.main();
    EXPECT_EQ(m.form.caption(), "Tarnwick v1.20");
    EXPECT_EQ(m.SSTab1.tab(), 0);
    EXPECT_EQ(m.o_log.list_count(), 0);
    EXPECT_EQ(m.o_task_start_time.item(1), "00:10");
    EXPECT_EQ(m.o_task_stop_time.item(m.o_task_stop_time.list_count() - 1), "23:50");
    EXPECT_EQ(m.o_task_interval.item(m.o_task_interval.list_count() - 1), "Daily");
    ASSERT_FALSE(p.app.pointers().empty());
    EXPECT_EQ(p.app.pointers().front(), application::hourglass);
    EXPECT_EQ(p.app.pointers().back(), application::default_pointer);
    EXPECT_FALSE(p.ended());
}

TEST(start_up, selects_the_last_entry_equal_to_the_default_and_s_overrides_it) {
    for (const auto& [command_line, chosen] :
         {std::pair{"", "MyISP"}, {"/S office", "Office"}, {"/s Nowhere", "MyISP"}}) {
        test_program p({.phone_book = "[Office]\r\n[MyISP]\r\n", .command_line = command_line});
        p.write("tw.ini", "[Current]\r\nDefault ISP=MyISP\r\n");
        p.start_up();
        EXPECT_EQ(p.main().o_phonebook_list.text(), chosen) << command_line;
        EXPECT_TRUE(p.main().b_connect.enabled());
    }
}

// Dialling another entry than the one asked for (the default) would be
// wrong, and dialling none for minutes is no better: the run says so at once.
// Nor is the schedule switched on for it.
TEST(start_up, s_naming_no_entry_of_the_phone_book_is_logged_and_nothing_is_dialled) {
    for (const auto& [command_line, exit_code] : {std::pair{"/s Nowhere /d", std::optional<int>()},
                                                  {"/s Nowhere /a /d", std::optional<int>()},
                                                  {"/S Nowhere/D /X", 2}}) {
        test_program p({.command_line = command_line});
        p.write("tw.ini", "[Current]\r\nDefault ISP=MyISP\r\nSave Logs=Yes\r\n");
        p.start_up();
        p.run_for(600);
        EXPECT_EQ(p.log_texts(), std::vector<std::string>{" Phone Book Entry Not Found: Nowhere"})
            << command_line;
        EXPECT_FALSE(p.controls().t_check_for_work.enabled()) << command_line;
        EXPECT_EQ(p.exit_code, exit_code) << command_line;
    }
}

// A run a script or a timer started may find nobody at the screen: with /d,
// /a or /x a file dialog counts as cancelled until someone acts in the window.
TEST(start_up, a_run_started_to_dial_schedule_or_end_asks_nobody_for_files) {
    for (const auto& [command_line, unattended] : {std::pair{"/s MyISP /d", true},
                                                   {"/s MyISP /a", true},
                                                   {"/X", true},
                                                   {"/s MyISP", false}}) {
        test_program p({.command_line = command_line});
        p.drive([&] { p.prog.phonebook.choose_phonebook(); });
        EXPECT_EQ(p.dialogs.file_requests().empty(), unattended) << command_line;
    }
}

// A /x run ends after the hang-up that follows the connect-time tasks; when
// none will come, whoever started it is told why, in one line, at once.
TEST(start_up, an_x_run_that_will_not_end_by_itself_says_why_on_standard_error) {
    const struct {
        const char *command_line, *disconnect_after_last_task, *why;
    } cases[] = {{"/s MyISP /d /x", "No", "\"Disconnect after last task\" is off"},
                 {"/s MyISP /x", "Yes", "neither /d nor /a is given"},
                 {"/s MyISP /a /x", "Yes", "the interval schedule is on (/a)"},
                 {"/s MyISP /d /x", "Yes", nullptr},
                 {"/s MyISP /d", "No", nullptr}};
    for (const auto& c : cases) {
        test_program p({.command_line = c.command_line});
        p.write("tw.ini", std::string("[Current]\r\nDisconnect After Last Task=") +
                              c.disconnect_after_last_task + "\r\n");
        std::ostringstream said;
        std::streambuf* const standard_error = std::cerr.rdbuf(said.rdbuf());
        p.start_up();
        std::cerr.rdbuf(standard_error);
        const std::string text = said.str();
        const std::string line =
            c.why ? std::string("tarnwick: /x: this run will not end by itself, as ") + c.why : "";
        EXPECT_EQ(text.substr(0, line.size()), line) << c.command_line;
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), c.why ? 1 : 0) << text;
    }
}

// Two instances on one folder would both dial and run the schedule; the
// second says so and ends before anything else.
TEST(start_up, a_second_instance_on_the_folder_says_so_and_ends_with_3_doing_nothing) {
    test_program p({.command_line = "/s MyISP /a /d"});
    const auto first = take_instance_lock(p.folder.path().string(), lock_patience);
    p.dialogs.expect_message("Tarnwick is already running from the folder '" +
                             p.folder.path().string() +
                             "'.  This start ends without doing anything; use the Tarnwick that "
                             "runs, or end it first.");
    p.start_up();
    p.run_for(60);
    EXPECT_EQ(p.exit_code, 3);
    EXPECT_FALSE(std::filesystem::exists(p.folder / "tw.ini"));
    EXPECT_FALSE(p.controls().t_check_for_work.enabled());
    EXPECT_TRUE(p.log_texts().empty()) << "nothing dialled";
}

TEST(shutdown, exit_and_closing_the_window_store_the_settings_and_end) {
    for (const bool by_menu : {true, false}) {
        test_program p;
        p.start_up();
        p.main().o_run_tasks_at_connect.set_value(1);
        p.drive([&] { p.main().menuFileItem_exit.click(98); });
        EXPECT_FALSE(p.ended()) << "only the Exit entry ends the program";
        p.drive([&] {
            if (by_menu)
                p.main().menuFileItem_exit.click(99);
            else
                p.main().form.unload();
        });
        EXPECT_EQ(p.exit_code, 0);
        EXPECT_NE(p.file("tw.ini").find("Run Tasks At Connect=Yes"), std::string::npos);
    }
}

// A termination signal may come at the start-up's first events, before the
// settings are read; storing them then would replace the user's with blanks
// (or, with no file known yet, write an error log at the file system's root).
TEST(shutdown, before_the_settings_are_read_it_stores_nothing) {
    test_program p;
    const std::string settings = "[Current]\r\nTimeout=45\r\nSave Logs=Yes\r\n";
    p.write("tw.ini", settings);
    p.prog.program_folder = p.folder.path().string();
    p.prog.settings_file_path = p.folder / "tw.ini";
    timer signal_arrives;
    p.loop.add_timer(signal_arrives);
    signal_arrives.tick.connect([&] { p.prog.life.shutdown(); });
    signal_arrives.start(1);
    p.start_up();
    p.loop.remove_timer(signal_arrives);
    EXPECT_EQ(p.exit_code, 0);
    EXPECT_EQ(p.file("tw.ini"), settings);
}

}  // namespace
}  // namespace tw
