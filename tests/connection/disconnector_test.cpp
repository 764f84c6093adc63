#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dialing_program.hpp"

namespace tw {
namespace {

using testing::dialing_program;
using ::testing::ElementsAre;
using ::testing::StartsWith;

// The three lines a hang-up adds after `before` lines, and the idle controls.
void expect_hung_up(dialing_program& p, std::size_t before, const char* connect_time) {
    const auto texts = p.log_texts();
    ASSERT_EQ(texts.size(), before + 3);
    EXPECT_THAT(texts[before], StartsWith(std::string(" Connect time:  ") + connect_time));
    EXPECT_EQ(texts[before + 1], " Disconnected from Office");
    EXPECT_EQ(texts[before + 2], "");
    const frm_main& m = p.main();
    EXPECT_FALSE(p.dialer.is_connected());
    EXPECT_TRUE(m.b_connect.enabled() && m.b_run_schedule.enabled());
    EXPECT_FALSE(m.b_disconnect.enabled());
    EXPECT_FALSE(m.l_disconnect1.visible() || m.o_disconnect_in_minutes.visible() ||
                 m.l_disconnect2.visible());
    EXPECT_FALSE(p.controls().t_disconnect.enabled() || p.controls().t_connection_time.enabled());
    EXPECT_EQ(m.form.caption(), "Tarnwick v1.20") << "no connect time left in the task bar";
}

// Zero, negative or mistyped minutes empty the box and stop the countdown; a
// new number starts it afresh and steps each minute until it hangs up.
TEST(disconnector, a_countdown_of_three_minutes_steps_each_minute_then_hangs_up) {
    dialing_program p;
    p.connect_and_wait();
    text_box& minutes = p.main().o_disconnect_in_minutes;
    const timer& countdown = p.controls().t_disconnect;
    minutes.set_text("2");
    p.run_for(30);
    for (const char* typed : {"", "0", "-3", "abc"}) {
        minutes.set_text("1");
        minutes.set_text(typed);
        EXPECT_EQ(minutes.text(), "") << typed;
        EXPECT_FALSE(countdown.enabled() || countdown.interval() != 0) << typed;
    }
    minutes.set_text("3 min");  // the number at the start counts
    // Each step comes at the first tick after more than a minute.
    const struct {
        double at;
        const char *left, *unit;
    } steps[] = {{59.5, "3 min", "minutes"},
                 {61.5, "2", "minutes"},
                 {119.5, "2", "minutes"},
                 {122.5, "1", "minute"},
                 {179.5, "1", "minute"}};
    double now = 0;
    for (const auto& s : steps) {
        p.run_for(s.at - now);
        now = s.at;
        EXPECT_EQ(minutes.text(), s.left) << "at " << s.at << " s";
        EXPECT_EQ(p.main().l_disconnect2.caption(), s.unit) << "at " << s.at << " s";
    }
    EXPECT_TRUE(p.dialer.is_connected());
    p.run_for(4);
    EXPECT_EQ(minutes.text(), "");
    expect_hung_up(p, 2, "00:03:3");
    EXPECT_EQ(p.main().o_statusbar.text(), "");
}

// The countdown controls stay after a drop; the button still ends the session.
TEST(disconnector, a_dropped_line_leaves_idle_controls_and_the_button_logs_the_end_and_stops_it) {
    dialing_program p("SimulatedDropSeconds=10.5\r\n");
    p.connect_and_wait();
    p.main().o_disconnect_in_minutes.set_text("5");
    p.run_for(120);
    const frm_main& m = p.main();
    EXPECT_THAT(p.log_texts(),
                ElementsAre(" Dialing Office (pass #1)", " Connected to Office",
                            " Connection dropped from Office", " Connect time:  00:00:10", ""));
    EXPECT_EQ(p.time_of_line(2), "09:00:14") << "seen by the next connect-time tick";
    EXPECT_EQ(m.form.caption(), "Tarnwick v1.20");
    EXPECT_TRUE(m.b_connect.enabled() && m.o_phonebook_list.enabled() &&
                m.b_update_phonebook.enabled() && m.l_disconnect1.visible());
    EXPECT_FALSE(m.b_disconnect.enabled() || p.controls().t_connection_time.enabled());
    p.click(p.main().b_disconnect);
    expect_hung_up(p, 5, "00:00:10");
    p.run_for(400);
    EXPECT_EQ(p.log_texts().size(), 8u) << "no countdown left to run out";
}

TEST(disconnector, a_scheduler_call_without_the_option_only_hides_the_countdown) {
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
    EXPECT_FALSE(m.l_disconnect1.visible() || m.o_disconnect_in_minutes.visible() ||
                 m.l_disconnect2.visible());
    EXPECT_TRUE(m.b_disconnect.enabled());
    EXPECT_TRUE(p.controls().t_connection_time.enabled());
    p.run_for(125);
    expect_hung_up(p, 2, "00:02:0");  // the countdown ran on unseen
}

}  // namespace
}  // namespace tw
