#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "autumn_clock_change.hpp"
#include "scheduling_program.hpp"

namespace tw {
namespace {

using ::testing::ElementsAre;
using testing::scheduling_program;

TEST(specific_time_scheduler,
     runs_every_enabled_task_once_at_the_connect_time_and_hangs_up_at_the_disconnect_time) {
    scheduling_program p({{"first", "-a", "", "", "", "Y"},
                          {"second", "", "08:05", "08:00", "10 minutes", "yes"},
                          {"off", "", "07:30", "08:00", "10 minutes", "N"},
                          {"third", "", "", "", "", "Y"}},
                         7, 29, 30, "/s MyISP");
    frm_main& m = p.main();
    m.o_disconnect_after_last_task.set_value(1);
    m.o_specific_connect.set_text("07:30");
    m.o_specific_disconnect.set_text("09:00");
    m.o_user_specific_time.set_value(1);
    EXPECT_FALSE(m.b_run_schedule.enabled());

    p.run_until([&] { return p.loop.now() >= make_wall_time(2026, 12, 6, 23, 59); });
    EXPECT_THAT(p.ledger(),
                ElementsAre("07:30,exit 0,specific,first,-a", "07:30,exit 0,specific,second,",
                            "07:30,exit 0,specific,third,"));
    EXPECT_THAT(
        p.log_texts(),
        ElementsAre(" Specific connect time turned on", " Dialing MyISP (pass #1)",
                    " Connected to MyISP", " Running: " + p.path("first") + " -a",
                    " Running: " + p.path("second") + " ", " Running: " + p.path("third") + " ",
                    " Connect time:  01:29:56", " Disconnected from MyISP", ""));
    EXPECT_EQ(m.o_log.item(7).substr(13, 5), "09:00");
    EXPECT_TRUE(m.b_connect.enabled() && !m.b_disconnect.enabled()) << "the idle controls";

    m.o_specific_connect.set_text("7:30");
    p.run_for(24 * 3600);
    EXPECT_EQ(p.ledger().size(), 3u) << "7:30 is not the hh:mm form";
    m.o_user_specific_time.set_value(0);
    EXPECT_TRUE(m.b_run_schedule.enabled());
    EXPECT_FALSE(p.controls().t_check_specific_time.enabled());
}

// One dial serves the connect time, and each enabled task runs once: at
// connect time when the connection runs its tasks, else as the specific
// time's. "Disconnect after last task" hangs up after them all.
TEST(specific_time_scheduler, one_dial_serves_the_connect_time_and_each_task_runs_once) {
    const struct {
        const char *command_line, *trigger;
        int run_at_connect;
        bool hangs_up;
    } cases[] = {{"/s MyISP", "connect", 1, false},  // the chosen entry unticks the option
                 {"", "connect", 1, true},           // the default entry leaves it
                 {"", "specific", 0, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.command_line) + " " + c.trigger);
        scheduling_program p({{"first", "-a", "", "", "", "Y"},
                              {"second", "", "08:00", "09:00", "1 hour", "Y"},
                              {"third", "", "", "", "", "Y"}},
                             7, 29, 30, c.command_line);
        frm_main& m = p.main();
        m.l_default_isp.set_caption("MyISP");
        m.o_run_tasks_at_connect.set_value(c.run_at_connect);
        m.o_disconnect_after_last_task.set_value(1);
        m.o_specific_connect.set_text("07:30");
        m.o_user_specific_time.set_value(1);
        p.run_for(5 * 60);
        const std::string at = std::string("07:30,exit 0,") + c.trigger + ",";
        EXPECT_THAT(p.ledger(), ElementsAre(at + "first,-a", at + "second,", at + "third,"));
        const auto log = p.log_texts();
        EXPECT_EQ(std::count(log.begin(), log.end(), " Dialing MyISP (pass #1)"), 1);
        EXPECT_EQ(p.dialer.is_connected(), !c.hangs_up);
    }
}

// Once a day: a line brought up again within the disconnect minute stays up.
TEST(specific_time_scheduler, the_disconnect_time_hangs_up_once) {
    scheduling_program p({}, 8, 59, 50, "/s MyISP");
    frm_main& m = p.main();
    m.o_specific_disconnect.set_text("09:00");
    m.o_user_specific_time.set_value(1);
    p.click(m.b_connect);
    p.do_after(15, [&] { m.b_connect.click(); });  // 09:00:05, after the hang-up
    p.run_for(3 * 60);
    const auto log = p.log_texts();
    EXPECT_EQ(std::count(log.begin(), log.end(), " Disconnected from MyISP"), 1);
    EXPECT_TRUE(p.dialer.is_connected());
}

TEST(specific_time_scheduler, a_task_added_to_the_file_after_start_up_runs_at_the_connect_time) {
    scheduling_program p({{"first", "", "", "", "", "Y"}}, 7, 29, 0, "/s MyISP");
    p.main().o_run_tasks_at_connect.set_value(0);
    p.main().o_specific_connect.set_text("07:30");
    p.main().o_user_specific_time.set_value(1);
    p.write("added", "");
    p.write("task.ini", testing::task_file_text({{p.path("first"), "", "", "", "", "Y"},
                                                 {p.path("added"), "", "", "", "", "Y"}}));
    p.run_for(5 * 60);
    EXPECT_THAT(p.ledger(),
                ElementsAre("07:30,exit 0,specific,first,", "07:30,exit 0,specific,added,"));
}

// The connect time comes twice the night the clocks go back; it is one time of
// that day, and the tasks run once.
TEST(specific_time_scheduler, a_connect_time_in_the_repeated_hour_runs_the_tasks_once) {
    scheduling_program p({{"task", "", "", "", "", "Y"}}, 0, 0, 0, "/s MyISP");
    p.main().o_specific_connect.set_text("02:30");
    p.main().o_user_specific_time.set_value(1);
    testing::live_through_the_autumn_clock_change(p.loop, 1, 55);
    p.run_for(3 * 3600);
    EXPECT_THAT(p.ledger(), ElementsAre("02:30,exit 0,specific,task,"));
}

// Only an entry of the list starts the timer; a chosen entry unticks "Disconnect
// after last task", the default leaves it.
TEST(specific_time_scheduler, switching_on_takes_the_entry_or_the_default_or_says_there_is_none) {
    const struct {
        const char *entry, *default_isp;
        bool unticks, starts;
    } cases[] = {{"MyISP", "", true, true},
                 {"", "MyISP", false, true},
                 {"Gone", "", true, false},
                 {"", "", false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.entry) + "/" + c.default_isp);
        const bool none = !*c.entry && !*c.default_isp;
        scheduling_program p({}, 9, 0, 0);
        frm_main& m = p.main();
        m.o_phonebook_list.set_text(c.entry);
        m.l_default_isp.set_caption(c.default_isp);
        m.o_disconnect_after_last_task.set_value(1);
        if (none)
            p.dialogs.expect_message(
                "You must select a phonebook entry.  You should also select the default ISP "
                "entry.");
        m.o_user_specific_time.set_value(1);
        EXPECT_EQ(p.log_texts(),
                  none ? std::vector<std::string>{}
                       : std::vector<std::string>{" Specific connect time turned on"});
        EXPECT_EQ(m.o_disconnect_after_last_task.ticked(), !c.unticks);
        EXPECT_EQ(p.controls().t_check_specific_time.enabled(), c.starts);
        EXPECT_EQ(m.o_phonebook_list.text(), c.starts ? "MyISP" : "");
    }
}

// The two schedules exclude each other: no end of a line or of a dial gives
// the interval schedule's button back while the specific times are on.
TEST(specific_time_scheduler, the_schedule_button_stays_disabled_whatever_ends_the_line) {
    const struct {
        const char *ending, *disconnect_time, *entry_keys;
        button frm_main::*button_clicked;
    } cases[] = {
        {"the disconnect time", "09:00", "", nullptr},
        {"Disconnect", "", "", &frm_main::b_disconnect},
        {"a drop", "", "SimulatedDropSeconds=2\r\n", nullptr},
        {"Cancel", "", "SimulatedConnectSeconds=20\r\n", &frm_main::b_cancel},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ending);
        scheduling_program p({}, 8, 59, 0, "/s MyISP", c.entry_keys);
        frm_main& m = p.main();
        m.o_specific_disconnect.set_text(c.disconnect_time);
        m.o_user_specific_time.set_value(1);
        p.click(m.b_connect);
        if (c.button_clicked) p.do_after(4, [&] { (m.*c.button_clicked).click(); });
        p.run_for(120);
        EXPECT_FALSE(p.dialer.is_connected());
        EXPECT_TRUE(m.b_connect.enabled());
        EXPECT_FALSE(m.b_run_schedule.enabled());
    }
}

}  // namespace
}  // namespace tw
