#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include "dialing_program.hpp"

namespace tw {
namespace {

using ::testing::ElementsAre;
using testing::dialing_program;

TEST(connected_session, the_line_up_starts_a_session_with_the_connect_time_in_the_caption) {
    dialing_program p;
    p.connect_and_wait();
    const frm_main& m = p.main();
    EXPECT_THAT(p.log_texts(), ElementsAre(" Dialing Office (pass #1)", " Connected to Office"));
    EXPECT_EQ(p.time_of_line(1), "09:00:03");
    EXPECT_EQ(m.o_log.list_index(), 1);
    EXPECT_EQ(m.o_statusbar.text(), "");
    EXPECT_EQ(m.form.state(), window_state::minimized);
    EXPECT_FALSE(p.controls().t_redial.enabled());
    EXPECT_TRUE(m.b_disconnect.enabled());
    EXPECT_FALSE(m.b_cancel.enabled());
    EXPECT_TRUE(m.l_disconnect1.visible());
    EXPECT_TRUE(m.o_disconnect_in_minutes.visible());
    EXPECT_TRUE(m.l_disconnect2.visible());

    p.run_for(3 * 3600 + 5 * 60 + 9);
    EXPECT_EQ(m.l_connection_time.caption(), "03:05:09");
    EXPECT_EQ(m.form.caption(), "03:05:09");
    // Restored, the window shows its own caption again and keeps it.
    p.main().form.set_state(window_state::normal);
    p.run_for(2);
    EXPECT_EQ(m.form.caption(), "Tarnwick v1.20");
    EXPECT_EQ(m.l_connection_time.caption(), "03:05:11");
}

TEST(connected_session, a_session_of_a_hundred_hours_shows_three_digit_hours) {
    dialing_program p;
    p.connect_and_wait();
    const auto started = std::chrono::steady_clock::now();
    p.run_for(100 * 3600.0 + 0.5);
    const auto spent = std::chrono::steady_clock::now() - started;
    EXPECT_EQ(p.main().l_connection_time.caption(), "100:00:00");
    EXPECT_EQ(p.main().form.caption(), "100:00:00");
    EXPECT_EQ(p.log_texts().back(), " Connected to Office") << "the line held throughout";
    RecordProperty("real_milliseconds",
                   std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(spent).count()));
}

TEST(connected_session, the_line_down_notice_frees_connect_and_the_list_and_others_change_nothing) {
    dialing_program p("SimulatedResult=no-answer\r\n");
    p.click(p.main().b_connect);
    const frm_main& m = p.main();
    p.drive([&] { p.dialer.state_notice(0); });  // the dial is still in progress
    EXPECT_FALSE(m.b_connect.enabled());
    EXPECT_FALSE(m.o_phonebook_list.enabled());

    // Pass 2 hangs up pass 1; the dialer's notice comes while the pause runs.
    p.run_for(11);
    EXPECT_TRUE(m.b_connect.enabled());
    EXPECT_TRUE(m.o_phonebook_list.enabled());
    EXPECT_FALSE(m.b_update_phonebook.enabled());
    EXPECT_TRUE(p.controls().t_redial.enabled()) << "the watchdog goes on";
}

TEST(connected_session, a_dropped_line_is_logged_and_leaves_the_idle_controls) {
    dialing_program p("SimulatedDropSeconds=10.5\r\n");
    p.main().o_disconnect_in_minutes.set_text("30");
    p.connect_and_wait();
    p.run_until([&] { return !p.controls().t_connection_time.enabled(); }, 60);
    const frm_main& m = p.main();
    EXPECT_THAT(p.log_texts(),
                ElementsAre(" Dialing Office (pass #1)", " Connected to Office",
                            " Connection dropped from Office", " Connect time:  00:00:10", ""));
    EXPECT_EQ(p.time_of_line(2), "09:00:14") << "seen by the next connect-time tick";
    EXPECT_EQ(m.o_log.list_index(), 4);
    EXPECT_TRUE(m.b_connect.enabled());
    EXPECT_FALSE(m.b_disconnect.enabled());
    EXPECT_TRUE(m.o_phonebook_list.enabled());
    EXPECT_TRUE(m.b_update_phonebook.enabled());
    EXPECT_EQ(m.o_statusbar.text(), "");
    EXPECT_TRUE(m.l_disconnect1.visible()) << "the countdown controls stay";

    p.run_for(120);
    EXPECT_EQ(p.log_texts().size(), 5u) << "no redial";
}

TEST(connected_session, with_reconnect_set_a_dropped_line_is_dialled_again_after_six_seconds) {
    dialing_program p("SimulatedDropSeconds=10.5\r\n");
    p.main().o_line_drop.set_value(1);
    p.connect_and_wait();
    p.run_until([&] { return p.logged(" Reconnecting to Office"); }, 60);
    EXPECT_EQ(p.main().o_statusbar.text(), "Dialing Office (pass #1)");
    p.run_until([&] { return p.dialer.is_connected(); }, 60);
    EXPECT_THAT(p.log_texts(),
                ElementsAre(" Dialing Office (pass #1)", " Connected to Office",
                            " Connection dropped from Office", " Connect time:  00:00:10", "",
                            " Reconnecting to Office", "", " Connected to Office"));
    EXPECT_EQ(p.time_of_line(2), "09:00:14");
    EXPECT_EQ(p.time_of_line(5), "09:00:20");
    EXPECT_EQ(p.time_of_line(7), "09:00:23");
    p.run_for(2.5);
    EXPECT_EQ(p.main().l_connection_time.caption(), "00:00:02") << "the new session counts from 0";
}

// With the schedule off, "Disconnect after last task" hangs up as soon as the
// connect tasks are done, even when none were asked for.
TEST(connected_session, after_the_last_task_the_line_is_hung_up_and_x_ends_the_program) {
    const struct {
        const char* command_line;
        int run_tasks;
        std::optional<int> exit_code;
    } cases[] = {{"/x", 1, 0}, {"", 1, std::nullopt}, {"", 0, std::nullopt}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("'") + c.command_line + "', tasks " + std::to_string(c.run_tasks));
        dialing_program p("", c.command_line);
        p.main().o_run_tasks_at_connect.set_value(c.run_tasks);
        p.main().o_disconnect_after_last_task.set_value(1);
        p.click(p.main().b_connect);
        p.run_for(30);
        EXPECT_EQ(p.exit_code, c.exit_code);
        // Logged once: the shutdown that follows has no session left to end.
        EXPECT_THAT(p.log_texts(), ElementsAre(" Dialing Office (pass #1)", " Connected to Office",
                                               " Connect time:  00:00:00", " Disconnected from Office",
                                               ""));
        EXPECT_FALSE(p.dialer.is_connected());
        EXPECT_FALSE(p.main().l_disconnect1.visible());
        EXPECT_FALSE(p.controls().t_connection_time.enabled());
    }
}

// A program file for a task: the launcher starts only files that exist.
std::string task_program(dialing_program& p, const std::string& name) {
    const std::string path = p.folder / name;
    testing::write_file(path, "#!/bin/sh\n");
    return path;
}

TEST(connected_session, enabled_tasks_run_one_after_another_while_the_clock_goes_on) {
    dialing_program p;
    const std::string first = task_program(p, "first.exe");
    const std::string second = task_program(p, "second.exe");
    const std::string third = task_program(p, "third.exe");
    const std::string& tasks = p.prog.task_file_path;
    p.prog.profiles.write(tasks, "Enabled", first, "Yes");
    p.prog.profiles.write(tasks, "Parameters", first, "-q report.txt");
    p.prog.profiles.write(tasks, "Enabled", second, "No");
    p.prog.profiles.write(tasks, "Parameters", second, "-x");
    p.prog.profiles.write(tasks, "Enabled", third, "y");
    for (const auto& app : {first, second, third}) p.main().o_task_list.add_item(app);
    p.main().o_run_tasks_at_connect.set_value(1);
    p.fakes.set_run_seconds(first, 30);
    p.fakes.set_run_seconds(third, 5);

    // What the status bar and the connect time showed, change by change.
    std::vector<std::string> shown;
    p.main().o_statusbar.state_changed.connect([&] {
        shown.push_back(p.main().o_statusbar.text() + " @ " + p.main().l_connection_time.caption());
    });
    p.click(p.main().b_connect);
    p.run_for(60);
    const auto& started = p.fakes.started();
    ASSERT_EQ(started.size(), 2u);
    EXPECT_EQ(started[0].application, first);
    EXPECT_EQ(started[0].command_line, " -q report.txt");
    EXPECT_EQ(started[1].application, third);
    EXPECT_EQ(started[1].command_line, " ");
    EXPECT_GE(started[1].started_at - started[0].started_at, 30) << "started after the first ended";
    // The third has no parameters after one that had them; the clock ran during the first.
    EXPECT_THAT(shown, ElementsAre("Dialing Office (pass #1) @ ", " @ ",
                                   "Running: " + first + " -q report.txt @ 00:00:00", " @ 00:00:30",
                                   "Running: " + third + "  @ 00:00:30", " @ 00:00:35"));
    EXPECT_THAT(p.log_texts(), ElementsAre(" Dialing Office (pass #1)", " Connected to Office",
                                           " Running: " + first + " -q report.txt",
                                           " Running: " + third + " "));
    EXPECT_TRUE(p.dialer.is_connected()) << "\"Disconnect after last task\" is not set";
}

}  // namespace
}  // namespace tw
