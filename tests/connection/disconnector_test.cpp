#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dialing_program.hpp"

namespace tw {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;
using testing::dialing_program;

// The three lines every hang-up of a session adds to the log, after `before`
// lines; the connect time shown begins with `connect_time`.
void expect_disconnect_lines(const dialing_program& p, std::size_t before, const char* connect_time) {
    const auto texts = p.log_texts();
    ASSERT_EQ(texts.size(), before + 3);
    EXPECT_THAT(texts[before], StartsWith(std::string(" Connect time:  ") + connect_time));
    EXPECT_EQ(texts[before + 1], " Disconnected from Office");
    EXPECT_EQ(texts[before + 2], "");
}

void expect_idle_after_hang_up(dialing_program& p) {
    const frm_main& m = p.main();
    EXPECT_FALSE(p.dialer.is_connected());
    EXPECT_TRUE(m.b_connect.enabled());
    EXPECT_FALSE(m.b_disconnect.enabled());
    EXPECT_TRUE(m.b_run_schedule.enabled());
    EXPECT_FALSE(m.l_disconnect1.visible());
    EXPECT_FALSE(m.o_disconnect_in_minutes.visible());
    EXPECT_FALSE(m.l_disconnect2.visible());
    EXPECT_FALSE(p.controls().t_disconnect.enabled());
    EXPECT_FALSE(p.controls().t_connection_time.enabled());
}

TEST(disconnector, a_countdown_of_three_minutes_steps_each_minute_then_hangs_up) {
    dialing_program p;
    p.connect_and_wait();
    text_box& minutes = p.main().o_disconnect_in_minutes;
    const label& unit = p.main().l_disconnect2;
    minutes.set_text("3");
    // Each step comes at the first tick after more than a minute.
    const struct {
        double at;
        const char* left;
        const char* unit;
    } steps[] = {{59.5, "3", "minutes"}, {61.5, "2", "minutes"}, {119.5, "2", "minutes"},
                 {122.5, "1", "minute"}, {179.5, "1", "minute"}};
    double now = 0;
    for (const auto& s : steps) {
        p.run_for(s.at - now);
        now = s.at;
        EXPECT_EQ(minutes.text(), s.left) << "at " << s.at << " s";
        EXPECT_EQ(unit.caption(), s.unit) << "at " << s.at << " s";
    }
    EXPECT_TRUE(p.dialer.is_connected());
    p.run_for(4);
    EXPECT_EQ(minutes.text(), "");
    expect_disconnect_lines(p, 2, "00:03:0");
    expect_idle_after_hang_up(p);
    EXPECT_EQ(p.main().o_statusbar.text(), "") << "the idle controls clear \"Disconnected\"";
}

TEST(disconnector, zero_negative_or_mistyped_minutes_empty_the_box_and_a_new_number_starts_afresh) {
    dialing_program p;
    p.connect_and_wait();
    text_box& minutes = p.main().o_disconnect_in_minutes;
    const timer& countdown = p.controls().t_disconnect;
    minutes.set_text("2");
    EXPECT_TRUE(countdown.enabled());
    p.run_for(30);
    minutes.set_text("");
    EXPECT_FALSE(countdown.enabled());
    for (const char* typed : {"0", "-3", "abc", "-"}) {
        minutes.set_text("1");
        minutes.set_text(typed);
        EXPECT_EQ(minutes.text(), "") << typed;
        EXPECT_FALSE(countdown.enabled()) << typed;
        EXPECT_EQ(countdown.interval(), 0) << typed;
    }
    p.run_for(100);
    EXPECT_TRUE(p.dialer.is_connected());

    minutes.set_text("1 min");  // the number at the start counts
    p.run_for(59.5);
    EXPECT_TRUE(p.dialer.is_connected()) << "the minute runs from the new number";
    p.run_for(2);
    EXPECT_FALSE(p.dialer.is_connected());
    EXPECT_EQ(minutes.text(), "");
}

TEST(disconnector, the_disconnect_button_stops_the_countdown_and_logs_the_session) {
    dialing_program p;
    p.connect_and_wait();
    p.main().o_disconnect_in_minutes.set_text("5");
    p.run_for(12.5);
    p.click(p.main().b_disconnect);
    expect_disconnect_lines(p, 2, "00:00:12");
    expect_idle_after_hang_up(p);
    EXPECT_EQ(p.main().o_log.list_index(), 4);
    p.run_for(400);
    EXPECT_EQ(p.log_texts().size(), 5u) << "no countdown left to run out";
    EXPECT_TRUE(p.main().o_phonebook_list.enabled()) << "the line's notice frees the list";
}

TEST(disconnector, a_call_that_is_not_forced_leaves_the_line_alone_without_the_option) {
    dialing_program p;
    p.connect_and_wait();
    p.main().o_disconnect_in_minutes.set_text("2");
    p.drive([&] {
        p.prog.force_disconnect = false;
        p.prog.disconnecting.disconnect();
    });
    const frm_main& m = p.main();
    EXPECT_TRUE(p.dialer.is_connected());
    EXPECT_EQ(p.log_texts().size(), 2u);
    EXPECT_FALSE(m.l_disconnect1.visible());
    EXPECT_FALSE(m.o_disconnect_in_minutes.visible());
    EXPECT_FALSE(m.l_disconnect2.visible());
    EXPECT_TRUE(p.controls().t_connection_time.enabled());

    // The countdown runs on unseen and hangs up when it runs out.
    p.run_for(125);
    EXPECT_FALSE(p.dialer.is_connected());
    expect_disconnect_lines(p, 2, "00:02:0");
}

TEST(disconnector, a_forced_disconnect_after_a_drop_still_reports_the_end) {
    dialing_program p("SimulatedDropSeconds=5.5\r\n");
    p.connect_and_wait();
    p.run_for(10);
    ASSERT_EQ(p.log_texts().size(), 5u);
    p.click(p.main().b_disconnect);
    expect_disconnect_lines(p, 5, "00:00:05");
    expect_idle_after_hang_up(p);
}

TEST(disconnector, closing_the_program_without_a_session_logs_no_disconnection) {
    dialing_program p;
    p.main().o_disconnect_after_last_task.set_value(1);
    p.main().o_save_logs.set_value(1);
    p.prog.log.append_log_line(" before");
    p.shutdown();
    EXPECT_EQ(p.exit_code, 0);
    EXPECT_THAT(p.log_texts(), ElementsAre(" before"));
}

}  // namespace
}  // namespace tw
