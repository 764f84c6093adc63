#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "dialing_program.hpp"

namespace tw {
namespace {

using ::testing::ElementsAre;
using testing::dialing_program;

constexpr const char* no_answer = "SimulatedResult=no-answer\r\n";
constexpr const char* gave_up = " The maximum retry count has been reached.";

std::string tried_message(const std::string& retries) {
    return "You have tried " + retries + " number of times to connect to 'Office'.  Please try again.";
}

TEST(dial_controller, a_failing_sequence_logs_each_pass_pauses_six_seconds_and_gives_up) {
    dialing_program p(no_answer);
    // The schedule is on (its timer enabled, here without ticks): no box may hold it up.
    p.controls().t_check_for_work.set_enabled(true);
    p.click(p.main().b_connect);
    const frm_main& m = p.main();
    EXPECT_FALSE(m.b_connect.enabled());
    EXPECT_FALSE(m.o_phonebook_list.enabled());
    EXPECT_FALSE(m.b_update_phonebook.enabled());
    EXPECT_TRUE(m.b_cancel.enabled());
    EXPECT_EQ(m.o_statusbar.text(), "Dialing Office (pass #1)");

    p.run_for(9.99);
    EXPECT_EQ(p.log_texts().size(), 1u) << "the pass lasts more than the time-out";
    p.run_for(60);
    EXPECT_THAT(p.log_texts(), ElementsAre(" Dialing Office (pass #1)", " Dialing Office (pass #2)",
                                           " Dialing Office (pass #3)", gave_up));
    // Passes of 10 s with a 6-s pause before each redial.
    EXPECT_EQ(p.time_of_line(0), "09:00:00");
    EXPECT_EQ(p.time_of_line(1), "09:00:10");
    EXPECT_EQ(p.time_of_line(2), "09:00:26");
    EXPECT_EQ(p.time_of_line(3), "09:00:42");
    EXPECT_EQ(m.o_statusbar.text(), "The maximum retry count has been reached.");
    EXPECT_EQ(p.prog.redial_count, 4) << "schedulers wait for the retry count plus one";
    EXPECT_TRUE(m.b_connect.enabled());
    EXPECT_TRUE(m.b_update_phonebook.enabled());
    EXPECT_FALSE(m.b_cancel.enabled());
    EXPECT_FALSE(m.b_disconnect.enabled());
    EXPECT_FALSE(p.controls().t_redial.enabled());
    EXPECT_EQ(p.controls().t_redial.interval(), 0);
    EXPECT_TRUE(p.dialogs.messages().empty());
}

TEST(dial_controller, every_retry_count_and_time_out_ends_the_sequence) {
    const struct {
        const char* timeout;
        const char* retries;
        std::size_t passes;
        const char* gave_up_at;
    } cases[] = {
        {"10", "1", 1, "09:00:10"},  // no pause, no second dial
        {"10", "0", 1, "09:00:10"},  // the first pass comes from connect, not the count
        {"10", "-2", 1, "09:00:10"},
        {"10", "", 1, "09:00:10"},
        {"10", "lots", 1, "09:00:10"},
        {"x", "02", 2, "09:00:06"},  // a time-out that is no number ends each pass at once
        {"", "2", 2, "09:00:06"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("time-out '") + c.timeout + "', retries '" + c.retries + "'");
        dialing_program p(no_answer, "", c.timeout, c.retries);
        p.dialogs.expect_message(tried_message(c.retries));  // the count as typed
        p.click(p.main().b_connect);
        p.run_for(120);
        const auto texts = p.log_texts();
        ASSERT_EQ(texts.size(), c.passes + 1);
        EXPECT_EQ(texts.back(), gave_up);
        EXPECT_EQ(p.time_of_line(static_cast<int>(c.passes)), c.gave_up_at);
        ASSERT_EQ(p.dialogs.messages().size(), 1u);
        EXPECT_EQ(p.dialogs.messages()[0].flags, 64);
        EXPECT_EQ(p.dialogs.messages()[0].title, "Tarnwick v1.20");
    }
}

TEST(dial_controller, cancel_hangs_up_shows_idle_controls_and_the_next_pass_still_dials) {
    dialing_program p("SimulatedConnectSeconds=8\r\n");
    p.click(p.main().b_connect);
    p.run_for(5);
    p.click(p.main().b_cancel);
    const frm_main& m = p.main();
    EXPECT_EQ(p.log_texts().back(), " Dial cancelled");
    EXPECT_EQ(m.o_statusbar.text(), "");
    EXPECT_TRUE(m.b_connect.enabled());
    EXPECT_TRUE(m.o_phonebook_list.enabled());
    EXPECT_TRUE(m.b_update_phonebook.enabled());
    EXPECT_TRUE(m.b_run_schedule.enabled());
    EXPECT_FALSE(m.b_cancel.enabled());

    // Had the cancelled dial gone on, the line would be up at 09:00:08.
    p.run_until([&] { return p.logged(" Connected to Office"); }, 60);
    EXPECT_THAT(p.log_texts(), ElementsAre(" Dialing Office (pass #1)", " Dial cancelled",
                                           " Dialing Office (pass #2)", " Connected to Office"));
    EXPECT_EQ(p.time_of_line(2), "09:00:10");
    EXPECT_EQ(p.time_of_line(3), "09:00:24");
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

TEST(dial_controller, a_simulated_connection_logs_pass_one_and_opens_a_session_without_dialing) {
    dialing_program p;  // the entry would answer a real dial after 3 s
    p.main().o_simulated_connection.set_value(1);
    p.dialogs.expect_message("You are simulating a connection.");
    p.click(p.main().b_connect);
    const frm_main& m = p.main();
    EXPECT_THAT(p.log_texts(), ElementsAre(" Dialing Office (pass #1)", " Connected to Office"));
    EXPECT_EQ(p.dialogs.messages()[0].flags, 64);
    EXPECT_EQ(m.form.state(), window_state::minimized);
    EXPECT_TRUE(m.b_disconnect.enabled());
    EXPECT_FALSE(m.b_cancel.enabled());
    EXPECT_FALSE(m.l_disconnect1.visible()) << "no countdown without a line";
    EXPECT_FALSE(p.controls().t_redial.enabled());
    EXPECT_EQ(p.app.pointers().back(), application::default_pointer);

    // No line is behind it, so the first connect-time tick ends it as a drop.
    p.run_for(30);
    EXPECT_THAT(p.log_texts(),
                ElementsAre(" Dialing Office (pass #1)", " Connected to Office",
                            " Connection dropped from Office", " Connect time:  00:00:00", ""));
    EXPECT_TRUE(m.b_connect.enabled());
    EXPECT_FALSE(m.b_disconnect.enabled());
    EXPECT_FALSE(p.dialer.is_connected());
}

TEST(dial_controller, without_a_phone_book_file_it_asks_for_one_then_lets_the_watchdog_give_up) {
    testing::test_program p({.phone_book = ""});
    p.start_up();
    p.main().o_phonebook_list.set_text("Office");
    p.main().o_timeout.set_text("1");
    p.main().o_retry_count.set_text("1");
    p.dialogs.expect_message(
        "You must select the phonebook file.  It contains information necessary to connect to "
        "the server.");
    p.dialogs.expect_message(tried_message("1"));
    p.click(p.main().b_connect);
    EXPECT_EQ(p.dialogs.file_requests().size(), 1u) << "the user is offered the file dialog";
    EXPECT_FALSE(p.main().b_cancel.enabled()) << "nothing was dialled to cancel";
    p.run_for(10);
    EXPECT_THAT(p.log_texts(), ElementsAre(" Dialing Office (pass #1)", gave_up));
}

// The dialer fails to take up the entry and the phone book; the dial still goes out.
class failing_dialer : public simulated_dialer {
public:
    using simulated_dialer::simulated_dialer;
    void set_phonebook(const std::string&) override { throw std::runtime_error("phone book"); }
    void load_entry() override { throw std::runtime_error("entry"); }
};

TEST(dial_controller, dialer_errors_inside_connect_are_passed_over_step_by_step) {
    testing::temp_folder folder;
    const std::string system_dir = folder / "system";
    testing::write_file(system_dir + "/ras/rasphone.pbk", "[Office]\r\n");
    virtual_event_loop loop;
    testing::scripted_dialogs dialogs;
    testing::fixed_system_info system(folder.path().string(), system_dir, 2);
    failing_dialer dialer(loop, system_dir + "/ras/rasphone.pbk");
    testing::fake_processes fakes(loop);
    testing::test_application app;
    program prog({loop, dialogs, dialer, fakes, system, app});
    prog.life.start_up();
    prog.main.o_phonebook_list.set_text("Office");

    prog.dialing.connect();
    EXPECT_TRUE(prog.main.b_cancel.enabled());
    EXPECT_EQ(app.pointers().back(), application::default_pointer);
    loop.run_for(5);
    ASSERT_EQ(prog.main.o_log.list_count(), 2);
    EXPECT_EQ(prog.main.o_log.item(1).substr(testing::stamp_length), " Connected to Office");
}

}  // namespace
}  // namespace tw
