#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>

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
    EXPECT_EQ(p.main().o_statusbar.text(), "Disconnected");
}

// After any hang-up the controls are idle, and a Disconnect on the dead line
// logs nothing twice. The "Disconnect in" row shows exactly while a line is
// up: also after a mark's disconnect that leaves it up, and counts down there.
TEST(disconnector, after_any_hang_up_the_controls_are_idle_and_the_row_shows_only_with_a_line) {
    const struct {
        const char *ending, *office_keys;
        std::function<void(dialing_program&)> end;
        std::vector<std::string> log;
    } cases[] = {
        {"the hang-up after the last task",
         "",
         [](dialing_program& p) {
             p.main().o_run_tasks_at_connect.set_value(1);
             p.main().o_disconnect_after_last_task.set_value(1);
             p.connect_and_wait();
         },
         {" Dialing Office (pass #1)", " Connected to Office", " Connect time:  00:00:00",
          " Disconnected from Office", ""}},
        {"a drop",
         "SimulatedDropSeconds=10.5\r\n",
         [](dialing_program& p) {
             p.connect_and_wait();
             p.run_for(20);
         },
         {" Dialing Office (pass #1)", " Connected to Office", " Connection dropped from Office",
          " Connect time:  00:00:10", ""}},
        {"a mark's disconnect without the option",
         "",
         [](dialing_program& p) {
             p.connect_and_wait();
             p.main().o_disconnect_in_minutes.set_text("2");
             p.drive([&] {
                 p.prog.force_disconnect = false;
                 p.prog.disconnecting.disconnect(connection_end::after_last_task);
             });
         },
         {" Dialing Office (pass #1)", " Connected to Office"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ending);
        dialing_program p(c.office_keys);
        c.end(p);
        const frm_main& m = p.main();
        const bool up = p.dialer.is_connected();
        EXPECT_EQ(up, c.log.size() == 2);
        for (const control* row : std::initializer_list<const control*>{
                 &m.l_disconnect1, &m.o_disconnect_in_minutes, &m.l_disconnect2})
            EXPECT_EQ(row->visible(), up);
        EXPECT_EQ(m.b_disconnect.enabled(), up);
        EXPECT_EQ(
            m.b_connect.enabled() && m.o_phonebook_list.enabled() && m.b_update_phonebook.enabled(),
            !up);
        EXPECT_FALSE(m.b_cancel.enabled());
        EXPECT_EQ(p.log_texts(), c.log);
        if (up) {
            p.run_for(125);
            expect_hung_up(p, 2, "00:02:0");
        } else {
            p.click(p.main().b_disconnect);
            EXPECT_EQ(p.log_texts(), c.log) << "nothing logged twice";
        }
    }
}

}  // namespace
}  // namespace tw
