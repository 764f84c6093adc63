#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dialing_program.hpp"

namespace tw {
namespace {

using testing::dialing_program;
using ::testing::ElementsAre;

constexpr const char* no_answer = "SimulatedResult=no-answer\r\n";
constexpr const char* gave_up = " The maximum retry count has been reached.";

std::string tried_message(const std::string& retries) {
    return "You have tried " + retries +
           " number of times to connect to 'Office'.  Please try again.";
}

// A dial that fails says why when the line tells it; the pass still lasts
// its time-out.
TEST(dial_controller, a_failing_dial_logs_each_pass_pauses_six_seconds_and_gives_up_silently) {
    const struct {
        std::string entry_keys;
        std::vector<std::string> log;
        std::vector<const char*> times;
    } cases[] = {
        {no_answer,
         {" Dialing Office (pass #1)", " Dialing Office (pass #2)", " Dialing Office (pass #3)",
          gave_up},
         {"09:00:00", "09:00:10", "09:00:26", "09:00:42"}},
        {std::string(no_answer) + "SimulatedConnectSeconds=2\r\nSimulatedFailure=busy\r\n",
         {" Dialing Office (pass #1)", " Dial failed: busy", " Dialing Office (pass #2)",
          " Dial failed: busy", " Dialing Office (pass #3)", " Dial failed: busy", gave_up},
         {"09:00:00", "09:00:02", "09:00:10", "09:00:18", "09:00:26", "09:00:34", "09:00:42"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.log.size());
        dialing_program p(c.entry_keys);
        // The schedule is on: no box may hold it up.
        p.controls().t_check_for_work.set_enabled(true);
        p.click(p.main().b_connect);
        const frm_main& m = p.main();
        EXPECT_FALSE(m.b_connect.enabled());
        EXPECT_TRUE(m.b_cancel.enabled());
        EXPECT_EQ(m.o_statusbar.text(), "Dialing Office (pass #1)");
        p.run_for(70);
        EXPECT_EQ(p.log_texts(), c.log);
        for (std::size_t i = 0; i < c.times.size(); ++i)
            EXPECT_EQ(p.time_of_line(static_cast<int>(i)), c.times[i]);
        EXPECT_EQ(m.o_statusbar.text(), "The maximum retry count has been reached.");
        EXPECT_EQ(p.prog.redial_count, 4) << "schedulers wait for the retry count plus one";
        EXPECT_TRUE(m.b_connect.enabled());
        EXPECT_FALSE(m.b_cancel.enabled());
        EXPECT_FALSE(p.controls().t_redial.enabled());
    }
}

// An empty or zero time-out (a box being retyped) lasts the default 120 s, as
// such a value in the settings file does.
TEST(dial_controller, every_retry_count_and_time_out_ends_the_sequence) {
    const struct {
        const char *timeout, *retries;
        std::size_t passes;
        const char* gave_up_at;
    } cases[] = {{"10", "1", 1, "09:00:10"}, {"1", "1", 1, "09:00:01"},  {"10", "0", 1, "09:00:10"},
                 {"10", "", 1, "09:00:10"},  {"0", "02", 2, "09:04:06"}, {"", "1", 1, "09:02:00"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("time-out '") + c.timeout + "', retries '" + c.retries + "'");
        dialing_program p(no_answer, "", c.timeout, c.retries);
        p.dialogs.expect_message(tried_message(c.retries));
        p.click(p.main().b_connect);
        p.run_for(300);
        const auto texts = p.log_texts();
        ASSERT_EQ(texts.size(), c.passes + 1);
        EXPECT_EQ(texts.back(), gave_up);
        EXPECT_EQ(p.time_of_line(static_cast<int>(c.passes)), c.gave_up_at);
        ASSERT_EQ(p.dialogs.messages().size(), 1u);
        EXPECT_EQ(p.dialogs.messages()[0].flags, 64);
        EXPECT_EQ(p.dialogs.messages()[0].title, "Tarnwick v1.20");
    }
}

// Cancel ends the whole sequence, also in the pause before the next pass: no
// later pass dials, no box turns up; Connect starts again from pass 1.
TEST(dial_controller, cancel_ends_the_whole_sequence_and_connect_starts_again_from_pass_one) {
    for (const double cancel_at : {3.0, 8.0}) {
        SCOPED_TRACE(cancel_at);
        dialing_program p("SimulatedConnectSeconds=8\r\n", "", "5");
        const frm_main& m = p.main();
        p.click(p.main().b_connect);
        p.do_after(cancel_at, [&] {
            p.click(p.main().b_cancel);
            EXPECT_EQ(m.o_statusbar.text(), "");
            EXPECT_TRUE(m.b_connect.enabled() && m.o_phonebook_list.enabled() &&
                        m.b_update_phonebook.enabled() && m.b_run_schedule.enabled());
            EXPECT_FALSE(m.b_cancel.enabled() || p.controls().t_redial.enabled());
        });
        p.run_for(120);
        EXPECT_FALSE(p.dialer.is_connected());
        auto log = p.log_texts();
        EXPECT_EQ(log.back(), " Dial cancelled");
        EXPECT_EQ(log.size(), cancel_at < 5 ? 2u : 3u) << "pass #2 is logged before its pause";
        p.main().o_timeout.set_text("10");
        p.connect_and_wait();
        log = p.log_texts();
        EXPECT_THAT(std::vector(log.end() - 2, log.end()),
                    ElementsAre(" Dialing Office (pass #1)", " Connected to Office"));
    }
}

TEST(dial_controller, a_pass_across_midnight_lasts_its_time_out_and_the_pause_six_seconds) {
    dialing_program p(no_answer, "", "10", "2");
    p.loop.set_now(make_wall_time(2026, 12, 6, 23, 59, 55));
    p.dialogs.expect_message(tried_message("2"));
    p.click(p.main().b_connect);
    p.run_for(60);
    EXPECT_THAT(p.main().o_log.items(),
                ElementsAre("12-06-2026 - 23:59:55 Dialing Office (pass #1)",
                            "12-07-2026 - 00:00:05 Dialing Office (pass #2)",
                            "12-07-2026 - 00:00:21 The maximum retry count has been reached."));
}

// The connect-time tasks run as over a line, when "Run task(s) at connect time" asks.
TEST(dial_controller, a_simulated_connection_opens_a_session_without_a_line_and_runs_its_tasks) {
    for (const int run_tasks : {1, 0}) {
        dialing_program p;
        const std::string task = p.add_task("task", "Y");
        p.fakes.set_run_seconds(task, 0);  // over before the session's first tick ends it
        p.main().o_run_tasks_at_connect.set_value(run_tasks);
        p.main().o_simulated_connection.set_value(1);
        p.dialogs.expect_message("You are simulating a connection.");
        p.click(p.main().b_connect);
        std::vector<std::string> log = {" Dialing Office (pass #1)", " Connected to Office"};
        if (run_tasks) log.push_back(" Running: " + task + " ");
        EXPECT_EQ(p.log_texts(), log);
        EXPECT_TRUE(p.main().b_disconnect.enabled());
        EXPECT_FALSE(p.main().l_disconnect1.visible()) << "no countdown without a line";
        EXPECT_FALSE(p.dialer.is_connected()) << "nothing was dialled";
    }
}

// No dial is made, but the watchdog still ends the sequence, which is what
// releases a scheduler waiting for the line, and a "/x" run that cannot connect.
// Nobody is there to pick a file for a "/x" run: the file dialog counts as cancelled.
TEST(dial_controller, without_a_phone_book_file_an_x_run_asks_nobody_gives_up_and_ends_2) {
    dialing_program p(no_answer, "/x", "10", "1");
    p.prog.phonebook_path.clear();
    p.dialogs.expect_message(
        "You must select the phonebook file.  It contains information necessary to connect to "
        "the server.");
    p.dialogs.expect_message(tried_message("1"));
    p.click(p.main().b_connect);
    p.run_for(30);
    EXPECT_EQ(p.dialogs.file_requests().size(), 0u);
    EXPECT_THAT(p.log_texts(), ElementsAre(" Dialing Office (pass #1)", gave_up));
    EXPECT_EQ(p.exit_code, 2);
    EXPECT_NE(p.file("tw.ini").find("Retry Count=1\r\n"), std::string::npos);
}

}  // namespace
}  // namespace tw
