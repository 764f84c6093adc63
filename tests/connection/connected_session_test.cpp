#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <utility>

#include "connection/connect_time.hpp"
#include "dialing_program.hpp"
#include "scheduler/schedule_steps.hpp"
#include "task_file_text.hpp"

namespace tw {
namespace {

using testing::dialing_program;
using ::testing::ElementsAre;

TEST(connected_session, a_session_minimizes_and_shows_its_connect_time_in_the_caption) {
    dialing_program p;
    const frm_main& m = p.main();
    EXPECT_FALSE(m.o_disconnect_in_minutes.visible()) << "no countdown before a connection";
    p.connect_and_wait();
    EXPECT_THAT(p.log_texts(), ElementsAre(" Dialing Office (pass #1)", " Connected to Office"));
    EXPECT_EQ(p.time_of_line(1), "09:00:03");
    EXPECT_EQ(m.form.state(), window_state::minimized);
    EXPECT_TRUE(m.b_disconnect.enabled());
    EXPECT_TRUE(m.o_disconnect_in_minutes.visible());
    p.run_for(3600 + 62.5);
    EXPECT_EQ(m.l_connection_time.caption(), "01:01:02");
    EXPECT_EQ(m.form.caption(), "01:01:02") << "minimized, the caption shows the connect time";
    EXPECT_EQ(p.log_texts().size(), 2u) << "the line held and the watchdog stayed off";
    p.main().form.set_state(window_state::normal);
    p.run_for(2);
    EXPECT_EQ(m.form.caption(), "Tarnwick v1.20");
    EXPECT_EQ(m.l_connection_time.caption(), "01:01:04");
}

// A reading a hair short of a whole second, made of many added ticks, counts as it.
TEST(connect_time_text, shows_hours_minutes_and_seconds_and_a_hundred_hours_as_100_00_00) {
    const std::pair<double, const char*> cases[] = {
        {-1, "00:00:00"}, {59.4, "00:00:59"}, {3599.9996, "01:00:00"}, {360000, "100:00:00"}};
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(connect_time_text(seconds), text) << seconds;
}

// The drop comes while a connect-time task runs, and says why; the redial
// connects while it still runs, and leaves the task to that run. The new line
// holds.
TEST(connected_session, with_reconnect_set_a_dropped_line_is_dialled_again_after_six_seconds) {
    dialing_program p("SimulatedDropSeconds=10.5\r\nSimulatedFailure=carrier lost\r\n");
    const std::string task = p.add_task("task");
    p.fakes.set_run_seconds(task, 60);
    p.main().o_run_tasks_at_connect.set_value(1);
    p.main().o_line_drop.set_value(1);
    std::string connect_time;
    p.do_after(5, [&] {
        p.write("system/ras/rasphone.pbk", "[Office]\r\n");
        p.do_after(20.5, [&] { connect_time = p.main().l_connection_time.caption(); });
    });
    p.click(p.main().b_connect);
    p.run_for(25.5);
    EXPECT_THAT(p.log_texts(),
                ElementsAre(" Dialing Office (pass #1)", " Connected to Office",
                            " Running: " + task + " ", " Line dropped: carrier lost",
                            " Connection dropped from Office", " Connect time:  00:00:10", "",
                            " Reconnecting to Office", "", " Connected to Office"));
    EXPECT_EQ(p.time_of_line(7), "09:00:20");
    EXPECT_EQ(p.time_of_line(9), "09:00:23");
    EXPECT_EQ(connect_time, "00:00:02") << "the new session counts from 0";
}

// The pause before the redial leaves the user the last word: a Disconnect
// ends the session, and an option unticked meanwhile is obeyed.
TEST(connected_session,
     a_disconnect_or_the_option_unticked_in_the_pause_after_a_drop_stops_the_redial) {
    const std::pair<const char*, std::function<void(frm_main&)>> cases[] = {
        {"Disconnect", [](frm_main& m) { m.b_disconnect.click(); }},
        {"option unticked", [](frm_main& m) { m.o_line_drop.set_value(0); }}};
    for (const auto& [what, act] : cases) {
        SCOPED_TRACE(what);
        dialing_program p("SimulatedDropSeconds=10.5\r\n");
        p.main().o_line_drop.set_value(1);
        p.connect_and_wait();
        p.do_after(13, [&] { act(p.main()); });  // the drop is seen at 09:00:14
        p.run_for(120);
        EXPECT_THAT(p.log_texts(),
                    ElementsAre(" Dialing Office (pass #1)", " Connected to Office",
                                " Connection dropped from Office", " Connect time:  00:00:10", ""));
        EXPECT_FALSE(p.dialer.is_connected());
        EXPECT_TRUE(p.main().b_connect.enabled());
        EXPECT_FALSE(p.main().b_disconnect.enabled());
    }
}

// With the schedule off, "Disconnect after last task" hangs up once the enabled
// connect tasks have run in turn, at once when none are asked for. The end of a
// "/x" run after it is the black-box unattended run's.
TEST(connected_session, enabled_tasks_run_in_turn_then_the_line_is_hung_up) {
    for (const int run_tasks : {1, 0}) {
        SCOPED_TRACE(run_tasks);
        dialing_program p;
        const std::string first = p.add_task("first.exe"), off = p.add_task("off.exe", "No"),
                          last = p.add_task("last.exe", "y");
        p.prog.profiles.write(p.prog.task_file_path, "Parameters", first, "-q report.txt");
        p.prog.profiles.write(p.prog.task_file_path, "Parameters", off, "-x");
        p.fakes.set_run_seconds(first, 30);
        p.fakes.set_run_seconds(last, 5);
        p.main().o_run_tasks_at_connect.set_value(run_tasks);
        p.main().o_disconnect_after_last_task.set_value(1);
        p.click(p.main().b_connect);
        p.run_for(60);
        EXPECT_FALSE(p.ended());
        std::vector<std::string> log = {" Dialing Office (pass #1)", " Connected to Office"};
        if (run_tasks)
            log.insert(log.end(),
                       {" Running: " + first + " -q report.txt", " Running: " + last + " "});
        log.insert(log.end(),
                   {std::string(" Connect time:  ") + (run_tasks ? "00:00:35" : "00:00:00"),
                    " Disconnected from Office", ""});
        EXPECT_EQ(p.log_texts(), log);
        const auto& started = p.fakes.started();
        ASSERT_EQ(started.size(), run_tasks ? 2u : 0u);
        if (run_tasks) {
            EXPECT_EQ(started[0].command_line, " -q report.txt");
            EXPECT_EQ(started[1].command_line, " ") << "no parameters left over from the first";
            EXPECT_GE(started[1].started_at - started[0].started_at, 30) << "after the first ended";
        }
        EXPECT_FALSE(p.dialer.is_connected());
        EXPECT_FALSE(p.main().l_disconnect1.visible());
    }
}

// The file is looked at again after each task: a change another program
// makes meanwhile counts from the next task on, and from one pass to the next.
TEST(schedule_steps, a_task_file_rewritten_elsewhere_counts_from_the_next_task_on) {
    dialing_program p;
    const std::string a = p.folder / "a", b = p.folder / "b", c = p.folder / "c";
    for (const std::string& app : {a, b, c}) p.main().o_task_list.add_item(app);
    // Replaced as editors save, so the change shows within one time-stamp tick.
    const auto rewrite = [&](const char* on_a, const char* on_b, const char* on_c) {
        testing::write_file(
            p.folder / "new.ini",
            testing::task_file_text(
                {{a, "", "", "", "", on_a}, {b, "", "", "", "", on_b}, {c, "", "", "", "", on_c}}));
        std::filesystem::rename(p.folder / "new.ini", p.prog.task_file_path);
    };
    std::vector<std::string> ran;
    rewrite("Yes", "Yes", "No");
    for_each_enabled_task(p.prog, [&](const std::string& app) {
        ran.push_back(app);
        if (app == a) rewrite("Yes", "No", "Yes");
    });
    rewrite("No", "Yes", "No");
    for_each_enabled_task(p.prog, [&](const std::string& app) { ran.push_back(app); });
    EXPECT_THAT(ran, ElementsAre(a, c, b));
}

TEST(connected_session, start_scheduler_at_connect_switches_the_schedule_on_only_when_it_is_off) {
    for (const bool already_on : {false, true}) {
        dialing_program p;
        p.main().o_start_scheduler_at_connect.set_value(1);
        if (already_on) p.click(p.main().b_run_schedule);
        p.connect_and_wait();
        EXPECT_EQ(p.main().b_run_schedule.caption(), "Cancel Task Scheduling");
        EXPECT_TRUE(p.controls().t_check_for_work.enabled());
        const auto log = p.log_texts();
        EXPECT_EQ(std::count(log.begin(), log.end(), " Scheduler turned on"), 1) << already_on;
    }
}

}  // namespace
}  // namespace tw
