#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "scheduling_program.hpp"

namespace tw {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::scheduling_program;

constexpr const char* no_entry =
    "You must select a phonebook entry.  You should also select the default ISP entry.";

// Without an entry or a default there is only the message; the button stays off.
// The default is selected as a click would select it, so Connect knows of it.
TEST(scheduler_control,
     switching_on_takes_the_entry_or_the_default_and_starts_only_for_a_listed_one) {
    const struct {
        const char *entry, *default_isp;
        bool ticks_options, starts;
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
        if (none) p.dialogs.expect_message(no_entry);
        p.click(m.b_run_schedule);
        EXPECT_EQ(m.b_run_schedule.caption(),
                  none ? "Run Tasks As Scheduled" : "Cancel Task Scheduling");
        EXPECT_EQ(m.o_disconnect_after_last_task.ticked() && m.o_run_tasks_at_connect.ticked(),
                  c.ticks_options);
        EXPECT_EQ(p.controls().t_check_for_work.enabled(), c.starts);
        EXPECT_EQ(m.o_phonebook_list.text(), c.starts ? "MyISP" : "");
        if (*c.default_isp) {
            EXPECT_EQ(m.o_phonebook_list.list_index(), 0);
            EXPECT_TRUE(m.b_connect.enabled());
        }
        if (none) {
            EXPECT_THAT(p.log_texts(), IsEmpty());
            continue;
        }
        p.click(m.b_run_schedule);
        EXPECT_FALSE(p.controls().t_check_for_work.enabled());
        EXPECT_THAT(p.log_texts(), ElementsAre(" Scheduler turned on", " Scheduler turned off"));
    }
}

// Switching the schedule off puts the controls back as they were: with the
// line up, only Disconnect can end it.
TEST(scheduler_control, switching_off_while_connected_leaves_the_connected_controls) {
    scheduling_program p({}, 9, 0, 0, "/s MyISP");
    frm_main& m = p.main();
    p.click(m.b_connect);
    p.run_for(4);
    p.click(m.b_run_schedule);
    p.click(m.b_run_schedule);
    EXPECT_TRUE(p.dialer.is_connected());
    EXPECT_TRUE(m.b_disconnect.enabled() && m.b_run_schedule.enabled());
    EXPECT_FALSE(m.b_connect.enabled() || m.o_phonebook_list.enabled());
    p.click(m.b_disconnect);
    EXPECT_TRUE(m.b_connect.enabled() && m.o_phonebook_list.enabled());
}

TEST(scheduler_control, run_now_needs_a_line_a_task_and_complete_companion_settings) {
    scheduling_program p({}, 9, 0, 0);
    frm_main& m = p.main();
    std::vector<std::string> statuses;
    m.o_statusbar.state_changed.connect([&] { statuses.push_back(m.o_statusbar.text()); });
    const auto run_now = [&](const std::string& application, const std::string& parameters) {
        m.o_application.set_caption(application.empty() ? "" : p.path(application));
        m.o_parameters.set_text(parameters);
        p.click(m.b_run_task_now);
    };
    p.write("stockfc.exe", "");
    run_now("stockfc.exe", "/id 7 /s 1");
    EXPECT_EQ(m.o_statusbar.text(), "Attempt to run task failed.  Not Connected.");

    m.o_simulated_connection.set_value(1);
    for (const char* refusal :
         {"You must select a task to run.",
          "You must have the 'Customer Profile ID and the stock data source.\n\nUse the menu "
          "option 'Application\\Stock Quotes' to update the parameters.",
          "You must have the 'Customer Profile ID.\n\nUse the menu option 'Application\\Web "
          "Page Monitor' to update the parameters.",
          "You must enter the email account information before using Postwright to send "
          "email.\n\nUse the menu option Application\\Postwright to update the account "
          "information."})
        p.dialogs.expect_message(refusal);
    run_now("", "");
    run_now("stockfc.exe", "/id 7");
    run_now("wpmfc.exe", "/s 1");
    run_now("pw.exe", "");
    statuses.clear();
    run_now("stockfc.exe", "/id 7 /s 1");
    // The row's start is the attempt, not the end of the user's reading.
    p.dialogs.expect_message("The '" + p.path("gone.exe") +
                                 "' software cannot be found.  You must locate the software in "
                                 "the 'Applications' menu option and try again.",
                             box::ok, [&] { p.loop.run_for(180); });
    run_now("gone.exe", "");
    EXPECT_THAT(p.ledger(), ElementsAre("09:00,exit 0,now,stockfc.exe,/id 7 /s 1",
                                        "09:00,not found,now,gone.exe,"));
    const std::string stock = p.path("stockfc.exe") + " /id 7 /s 1", gone = p.path("gone.exe");
    EXPECT_THAT(p.log_texts(), ElementsAre(" Running: " + stock, " Running: " + gone + " ",
                                           " File Not Found: " + gone));
    EXPECT_THAT(statuses, ElementsAre("Running: " + stock, "", "Running: " + gone + " ", ""));
}

}  // namespace
}  // namespace tw
