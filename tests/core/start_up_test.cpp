#include <gtest/gtest.h>

#include <filesystem>

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

}  // namespace
}  // namespace tw
