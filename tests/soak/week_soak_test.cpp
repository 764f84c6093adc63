#include <gtest/gtest.h>

#include <random>
#include <regex>

#include "test_program.hpp"
#include "test_seed.hpp"

namespace tw {
namespace {

using testing::test_program;

// A week of a user and a line that do random things, on the simulated clock.
// The seed is printed; TARNWICK_SOAK_SEED replays a run.
class week_soak {
public:
    explicit week_soak(unsigned seed) : random_(seed), p_({.phone_book = "[MyISP]\r\n"}) {
        p_.write("fetch", "");
        p_.write("report", "");
        p_.write("task.ini", "[Tasks]\r\ntask0=" + fetch_ + "\r\ntask1=" + report_ +
                                 "\r\n[Enabled]\r\n" + fetch_ + "=Y\r\n" + report_ + "=Y\r\n");
        p_.dialogs.answer_every_message();
        p_.dialer.state_notice.connect([this](long) { line_down_at_ = p_.loop.clock(); });
        p_.start_up();
        p_.main().o_phonebook_list.set_list_index(0);
        p_.main().o_timeout.set_text("30");
        p_.main().o_retry_count.set_text("2");
    }

    // One random action, then a random stretch of time; false once a week is over.
    bool step() {
        act(pick(0, 6));
        p_.run_for(pick(0, 1) ? pick(1, 60) : pick(60, 1800));  // a dial lasts seconds
        return p_.loop.clock() - started_ < 7 * 24 * 3600.0;
    }

    // What must hold between any two steps; "" when all does.
    std::string broken_invariant() {
        if (p_.ended()) return "the program ended";
        if (p_.dialer.overlapping_dials() > 0) return "two dials at once";
        // The display's own tick notices a drop within a second.
        if (p_.controls().t_connection_time.enabled() && !p_.dialer.is_connected() &&
            p_.loop.clock() - line_down_at_ > 1.001)
            return "the connect time runs without a session";
        static const std::regex stamped(R"(\d\d-\d\d-\d{4} - \d\d:\d\d:\d\d \S.*)");
        const auto& lines = p_.main().o_log.items();
        if (checked_lines_ > lines.size()) checked_lines_ = 0;  // the log was cleared
        for (; checked_lines_ < lines.size(); ++checked_lines_) {
            const std::string& line = lines[checked_lines_];
            if (!line.empty() && !std::regex_match(line, stamped)) return "log line: " + line;
        }
        return "";
    }

private:
    int pick(int low, int high) { return std::uniform_int_distribution(low, high)(random_); }

    void act(int action) {
        frm_main& m = p_.main();
        button* buttons[] = {&m.b_connect, &m.b_cancel, &m.b_disconnect};
        check_box* options[] = {&m.o_run_tasks_at_connect, &m.o_line_drop,
                                &m.o_disconnect_after_last_task, &m.o_save_logs};
        if (action < 3 && buttons[action]->enabled()) p_.click(*buttons[action]);
        if (action == 3)
            p_.drive([&, box = options[pick(0, 3)]] { box->set_value(1 - box->value()); });
        if (action == 4 && m.o_disconnect_in_minutes.visible())
            p_.drive([&] { m.o_disconnect_in_minutes.set_text(std::to_string(pick(0, 5))); });
        if (action == 5)  // the line: answers or not, and drops after a while or never
            p_.write(
                "system/ras/rasphone.pbk",
                "[MyISP]\r\nSimulatedResult=" + std::string(pick(0, 3) ? "connect" : "no-answer") +
                    "\r\nSimulatedConnectSeconds=" + std::to_string(pick(1, 40)) +
                    "\r\nSimulatedDropSeconds=" + std::to_string(pick(0, 1) * pick(1, 3000)) +
                    "\r\n");
        if (action == 6)
            for (const std::string& task : {fetch_, report_})
                p_.fakes.set_run_seconds(task, pick(0, 1200));
    }

    std::mt19937 random_;
    test_program p_;
    const std::string fetch_ = p_.folder / "fetch";
    const std::string report_ = p_.folder / "report";
    double started_ = p_.loop.clock();
    double line_down_at_ = -1e9;
    std::size_t checked_lines_ = 0;
};

TEST(soak, a_week_of_random_clicks_drops_and_tasks_keeps_every_invariant) {
    const unsigned seed = testing::test_seed("soak", "TARNWICK_SOAK_SEED", 20261206);
    week_soak soak(seed);  // an exception escaping a step fails the test
    for (int step = 1; soak.step(); ++step)
        ASSERT_EQ(soak.broken_invariant(), "") << "step " << step << ", seed " << seed;
}

}  // namespace
}  // namespace tw
