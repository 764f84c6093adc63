#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "scheduling_program.hpp"

namespace tw {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::scheduling_program;

TEST(scheduler_control,
     switching_on_takes_the_entry_or_the_default_and_starts_only_for_a_listed_one) {
    const struct {
        const char *entry, *default_isp;
        bool ticks_options, starts;
        const char* message;
    } cases[] = {
        {"MyISP", "", true, true, nullptr},
        {"", "MyISP", false, true, nullptr},
        {"Gone", "", true, false, nullptr},
        {"", "", false, false,
         "You must select a phonebook entry.  You should also select the default ISP entry."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.entry) + "/" + c.default_isp);
        scheduling_program p({}, 9, 0, 0);
        frm_main& m = p.main();
        m.o_phonebook_list.set_text(c.entry);
        m.l_default_isp.set_caption(c.default_isp);
        if (c.message) p.dialogs.expect_message(c.message);
        p.click(m.b_run_schedule);
        EXPECT_EQ(m.b_run_schedule.caption(),
                  c.message ? "Run Tasks As Scheduled" : "Cancel Task Scheduling");
        EXPECT_EQ(m.b_run_schedule.back_colour(), c.message ? 0x8000000Fu : 0xFFu);
        EXPECT_EQ(m.o_disconnect_after_last_task.ticked(), c.ticks_options);
        EXPECT_EQ(m.o_run_tasks_at_connect.ticked(), c.ticks_options);
        EXPECT_EQ(p.controls().t_check_for_work.enabled(), c.starts);
        EXPECT_EQ(m.o_phonebook_list.text(), c.starts ? "MyISP" : "");
        EXPECT_EQ(p.log_texts(), c.message ? std::vector<std::string>{}
                                           : std::vector<std::string>{" Scheduler turned on"});
        if (c.message) continue;

        p.click(m.b_run_schedule);
        EXPECT_EQ(m.b_run_schedule.caption(), "Run Tasks As Scheduled");
        EXPECT_EQ(m.b_run_schedule.back_colour(), 0x8000000Fu);
        EXPECT_FALSE(p.controls().t_check_for_work.enabled());
        EXPECT_EQ(p.log_texts().back(), " Scheduler turned off");
    }
}

TEST(scheduler_control, run_now_needs_a_line_and_complete_companion_settings) {
    scheduling_program p({}, 9, 0, 0);
    frm_main& m = p.main();
    const auto run_now = [&](const std::string& application, const std::string& parameters) {
        m.o_application.set_caption(application);
        m.o_parameters.set_text(parameters);
        p.click(m.b_run_task_now);
    };
    p.write("stockfc.exe", "");
    run_now(p.path("stockfc.exe"), "/id 7 /s 1");
    EXPECT_EQ(m.o_statusbar.text(), "Attempt to run task failed.  Not Connected.");

    m.o_simulated_connection.set_value(1);
    p.dialogs.expect_message(
        "You must have the 'Customer Profile ID and the stock data source.\n\nUse the menu "
        "option 'Application\\Stock Quotes' to update the parameters.");
    run_now(p.path("stockfc.exe"), "/id 7");
    p.dialogs.expect_message(
        "You must enter the email account information before using Postwright to send "
        "email.\n\nUse the menu option Application\\Postwright to update the account "
        "information.");
    run_now(p.path("pw.exe"), "");
    p.dialogs.expect_message("You must select a task to run.");
    run_now("", "");
    EXPECT_THAT(p.fakes.started(), IsEmpty());

    run_now(p.path("stockfc.exe"), "/id 7 /s 1");
    const std::string missing = p.path("gone.exe");
    p.dialogs.expect_message("The '" + missing +
                             "' software cannot be found.  You must locate the software in the "
                             "'Applications' menu option and try again.");
    run_now(missing, "");
    EXPECT_THAT(p.log_texts(),
                ElementsAre(" Running: " + p.path("stockfc.exe") + " /id 7 /s 1",
                            " Running: " + missing + " ", " File Not Found: " + missing));
    EXPECT_THAT(p.ledger(), ElementsAre("09:00,exit 0,now,stockfc.exe,/id 7 /s 1",
                                        "09:00,not found,now,gone.exe,"));
    EXPECT_EQ(m.o_statusbar.text(), "");
}

}  // namespace
}  // namespace tw
