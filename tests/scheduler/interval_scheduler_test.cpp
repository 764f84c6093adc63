#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "autumn_clock_change.hpp"
#include "scheduling_program.hpp"

namespace tw {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::scheduling_program;

// The "hh:mm" of every log line with `text`.
std::vector<std::string> minutes_of(const scheduling_program& p, const std::string& text) {
    std::vector<std::string> found;
    for (const std::string& line : p.prog.main.o_log.items())
        if (line.size() > 21 && line.substr(21) == text) found.push_back(line.substr(13, 5));
    return found;
}

// A start off the marks (08:05) is due at 08:05 by its own steps, yet only the
// marks are looked at. A missing program gets its ledger line all the same.
TEST(interval_scheduler, a_whole_day_dials_runs_each_due_task_and_hangs_up_after_each_mark) {
    scheduling_program p({{"daily", "", "06:00", "07:00", "Daily", "Y"},
                          {"gone", "", "06:00", "06:00", "Daily", "Y"},
                          {"burst", "-q", "08:00", "08:00", "20 minutes", "Yes"},
                          {"odd", "", "08:05", "09:00", "10 minutes", "Y"},
                          {"off", "", "08:00", "17:00", "10 minutes", "N"},
                          {"late", "", "12:00", "13:00", "50 minutes", "y"}},
                         0, 0, 0, "/s MyISP /a");
    std::filesystem::remove(p.path("gone"));
    EXPECT_TRUE(p.main().o_disconnect_after_last_task.ticked()) << "ticked by switching on";
    p.main().o_run_tasks_at_connect.set_value(0);
    p.fakes.set_run_seconds(p.path("burst"), 90);
    p.run_for(24 * 3600);

    EXPECT_THAT(p.ledger(),
                ElementsAre("06:00,exit 0,schedule,daily,", "06:00,not found,schedule,gone,",
                            "08:00,exit 0,schedule,burst,-q", "08:20,exit 0,schedule,burst,-q",
                            "08:40,exit 0,schedule,burst,-q", "12:00,exit 0,schedule,late,",
                            "12:50,exit 0,schedule,late,", "13:40,exit 0,schedule,late,"));
    EXPECT_THAT(minutes_of(p, " Dialing MyISP (pass #1)"),
                ElementsAre("06:00", "08:00", "08:20", "08:40", "12:00", "12:50", "13:40"));
    EXPECT_EQ(
        minutes_of(p, " Disconnected from MyISP"),
        std::vector<std::string>({"06:00", "08:01", "08:21", "08:41", "12:00", "12:50", "13:40"}));
    const auto log = p.log_texts();
    ASSERT_GE(log.size(), 9u);
    EXPECT_THAT(
        std::vector(log.begin(), log.begin() + 9),
        ElementsAre(" Scheduler turned on", " Dialing MyISP (pass #1)", " Connected to MyISP",
                    " Running: " + p.path("daily") + " ", " Running: " + p.path("gone") + " ",
                    " File Not Found: " + p.path("gone"), " Connect time:  00:00:01",
                    " Disconnected from MyISP", ""));
    EXPECT_FALSE(p.dialer.is_connected());
}

// One dial sequence serves every due task of a mark; the tasks that find no
// line are skipped, each with its ledger row.
TEST(interval_scheduler,
     a_line_that_does_not_stay_up_skips_the_tasks_and_the_next_mark_tries_again) {
    const task_entry every_ten = {"task", "", "08:00", "08:50", "10 minutes", "Y"};
    {
        task_entry second = every_ten;
        second.application = "second";
        scheduling_program p({every_ten, second}, 7, 59, 50, "/s MyISP /a",
                             "SimulatedResult=no-answer\r\n");
        p.run_for(15 * 60);
        EXPECT_THAT(
            p.log_texts(),
            ElementsAre(" Scheduler turned on", " Dialing MyISP (pass #1)",
                        " Dialing MyISP (pass #2)", " The maximum retry count has been reached.",
                        " Dialing MyISP (pass #1)", " Dialing MyISP (pass #2)",
                        " The maximum retry count has been reached."));
        EXPECT_THAT(p.fakes.started(), IsEmpty());
        EXPECT_THAT(p.ledger(),
                    ElementsAre("08:00,no line,schedule,task,", "08:00,no line,schedule,second,",
                                "08:10,no line,schedule,task,", "08:10,no line,schedule,second,"));
    }
    {
        // The line drops during the tasks run at connect time; the pass waiting
        // for it must not wait for ever.
        scheduling_program p({every_ten}, 7, 59, 50, "/s MyISP /a", "SimulatedDropSeconds=0.5\r\n");
        p.run_for(5 * 60);
        EXPECT_THAT(p.ledger(), ElementsAre("08:00,exit 0,connect,task,"));
    }
}

// With the schedule on, a line dialled by hand stays up after its connect-time
// tasks; the next mark hangs it up, although no task is due then.
TEST(interval_scheduler, a_line_up_by_hand_outlasts_its_connect_tasks_until_the_next_mark) {
    scheduling_program p({{"task", "", "09:00", "09:00", "Daily", "Y"}}, 8, 1, 0, "/s MyISP /a");
    p.click(p.main().b_connect);
    p.run_for(8 * 60);
    EXPECT_THAT(p.ledger(), ElementsAre("08:01,exit 0,connect,task,"));
    EXPECT_TRUE(p.dialer.is_connected()) << "up at 08:09";
    p.run_for(2 * 60);
    EXPECT_THAT(minutes_of(p, " Disconnected from MyISP"), ElementsAre("08:10"));
}

// The dial a pass waits for is cancelled: the pass skips every task it still
// had, without dialling again; the next mark dials afresh.
TEST(interval_scheduler, a_cancelled_dial_makes_the_waiting_pass_skip_its_tasks) {
    scheduling_program p({{"first", "", "08:00", "09:00", "10 minutes", "Y"},
                          {"second", "", "08:00", "09:00", "10 minutes", "Y"}},
                         7, 59, 50, "/s MyISP /a", "SimulatedConnectSeconds=8\r\n");
    p.main().o_run_tasks_at_connect.set_value(0);
    p.do_after(14, [&] { p.main().b_cancel.click(); });
    p.run_for(9 * 60);
    EXPECT_THAT(p.log_texts(),
                ElementsAre(" Scheduler turned on", " Dialing MyISP (pass #1)", " Dial cancelled"));
    EXPECT_THAT(p.fakes.started(), IsEmpty());
    p.run_for(90);
    EXPECT_THAT(p.ledger(),
                ElementsAre("08:00,no line,schedule,first,", "08:00,no line,schedule,second,",
                            "08:10,exit 0,schedule,first,", "08:10,exit 0,schedule,second,"));
}

// "/a" ticks "Run task(s) at connect time", so the dial of a mark runs every
// enabled task at connect time; the pass that dialled does not run them again.
TEST(interval_scheduler, a_due_task_run_at_connect_time_is_not_run_again_at_the_same_mark) {
    scheduling_program p({{"due", "-v", "08:00", "09:00", "1 hour", "Y"},
                          {"other", "", "06:00", "07:00", "Daily", "Y"}},
                         7, 59, 50, "/s MyISP /a");
    ASSERT_TRUE(p.main().o_run_tasks_at_connect.ticked());
    p.run_for(70 * 60);
    EXPECT_THAT(p.ledger(),
                ElementsAre("08:00,exit 0,connect,due,-v", "08:00,exit 0,connect,other,",
                            "09:00,exit 0,connect,due,-v", "09:00,exit 0,connect,other,"));
}

// A simulated session has no line, so its first connect-time tick ends it.
TEST(interval_scheduler, a_simulated_connection_runs_the_due_task_without_dialling) {
    scheduling_program p({{"task", "-v", "08:00", "08:00", "1 hour", "Y"}}, 7, 59, 50,
                         "/s MyISP /a");
    p.main().o_simulated_connection.set_value(1);
    p.main().o_run_tasks_at_connect.set_value(0);
    p.run_for(60);
    EXPECT_THAT(p.log_texts(),
                ElementsAre(" Scheduler turned on", " Connected to MyISP",
                            " Running: " + p.path("task") + " -v", " Connection dropped from MyISP",
                            " Connect time:  00:00:00", ""));
}

TEST(interval_scheduler, a_task_added_to_the_file_after_start_up_runs_at_its_next_mark) {
    scheduling_program p({{"first", "", "08:00", "09:00", "10 minutes", "Y"}}, 7, 55, 0,
                         "/s MyISP /a");
    p.main().o_run_tasks_at_connect.set_value(0);
    p.write("added", "");
    p.write("task.ini",
            testing::task_file_text({{p.path("first"), "", "08:00", "09:00", "10 minutes", "Y"},
                                     {p.path("added"), "", "08:00", "08:00", "Daily", "Y"}}));
    p.run_for(10 * 60);
    EXPECT_THAT(p.ledger(),
                ElementsAre("08:00,exit 0,schedule,first,", "08:00,exit 0,schedule,added,"));
}

// The clocks go back from 03:00 to 02:00: each mark of the repeated hour runs
// once, as the agenda lists it, and the ledger's offsets tell the hours apart.
TEST(interval_scheduler, the_hour_the_clocks_go_back_runs_each_mark_once) {
    scheduling_program p({{"daily", "", "02:30", "03:00", "Daily", "Y"},
                          {"often", "", "02:00", "02:00", "10 minutes", "Y"}},
                         0, 0, 0, "/s MyISP /a", "SimulatedConnectSeconds=1\r\n");
    p.main().o_run_tasks_at_connect.set_value(0);
    testing::live_through_the_autumn_clock_change(p.loop, 1, 55);
    p.run_for(3 * 3600);
    // Each record's start and program, without its folder.
    std::vector<std::string> runs;
    std::istringstream records(p.file("logs/tasks.csv"));
    std::string record;
    std::getline(records, record);  // the header
    while (std::getline(records, record)) {
        std::vector<std::string> fields(1);
        for (const char c : record)
            if (c == ',')
                fields.emplace_back();
            else
                fields.back().push_back(c);
        runs.push_back(fields[0] + " " + fields[5].substr(fields[5].find_last_of("/\\") + 1));
    }
    EXPECT_THAT(runs,
                ElementsAre("2026-10-25T02:00:02+02:00 often", "2026-10-25T02:10:02+02:00 often",
                            "2026-10-25T02:20:02+02:00 often", "2026-10-25T02:30:02+02:00 daily",
                            "2026-10-25T02:30:03+02:00 often", "2026-10-25T02:40:02+02:00 often",
                            "2026-10-25T02:50:02+02:00 often"));
}

}  // namespace
}  // namespace tw
