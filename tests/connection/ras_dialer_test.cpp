#include "connection/dialers/ras_dialer.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "test_program.hpp"

namespace tw {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::test_program;

constexpr unsigned invalid_handle = 6;  // what the system says of a line that is gone

// A remote-access service in memory: two entries, open lines and their
// states, and a dial that goes only as far as the test reports it.
struct fake_ras {
    std::vector<std::string> books_listed;
    unsigned refusal = 0;  // RasDial's answer
    std::map<ras_api::line, int> lines;
    std::vector<ras_api::line> hung_up;
    ras_api::progress report;  // of the latest dial
    ras_api::line latest = 0;

    ras_api api() {
        return {[this](const std::string& book, std::vector<std::string>& entries) {
                    books_listed.push_back(book);
                    entries = {"Office", "Home"};
                    return 0u;
                },
                [this](const std::string&, const std::string&, ras_api::progress on_progress,
                       ras_api::line& handle) {
                    handle = latest = 100 + hung_up.size();
                    lines[handle] = 0;
                    report = std::move(on_progress);
                    return refusal;
                },
                [this](ras_api::line handle, int& state) {
                    const auto found = lines.find(handle);
                    if (found == lines.end()) return invalid_handle;
                    state = found->second;
                    return 0u;
                },
                [this](ras_api::line handle) {
                    lines.erase(handle);
                    hung_up.push_back(handle);
                    return 0u;
                },
                [this](std::vector<ras_api::connection>& open) {
                    for (const auto& [handle, state] : lines) open.push_back({handle, "Office"});
                    return 0u;
                }};
    }
    void reach(int state, unsigned error = 0) {
        lines[latest] = state;
        report(state, error);
    }
};

// A started program at 09:00 on the RAS dialer over `ras`, "Office" chosen.
struct ras_program : test_program {
    explicit ras_program(fake_ras& ras)
        : test_program({.other_dialer = [&ras](event_loop& loop) -> std::unique_ptr<tw::dialer> {
              return std::make_unique<ras_dialer>(loop, ras.api(), "");
          }}),
          ras_line(&static_cast<ras_dialer&>(prog.ctrl_RAS)) {
        loop.set_now(make_wall_time(2026, 12, 6, 9, 0, 0));
        ras_line->state_changed.connect(
            [this] { states_changed.push_back(ras_line->connection_state()); });
        ras_line->state_notice.connect(
            [this](long) { notices.push_back(ras_line->connection_state()); });
        start_up();
        main().o_phonebook_list.set_text("Office");
        main().o_timeout.set_text("10");
        main().o_retry_count.set_text("3");
    }
    ras_dialer* ras_line;
    std::vector<int> states_changed;  // the state read at each state_changed
    std::vector<int> notices;         // and at each state_notice
};

TEST(ras_dialer, lists_the_entries_connects_and_a_hang_up_or_a_drop_gives_8193_and_the_notice) {
    for (const bool dropped : {false, true}) {
        SCOPED_TRACE(dropped);
        fake_ras ras;
        ras_program p(ras);
        EXPECT_THAT(p.main().o_phonebook_list.items(), ElementsAre("Office", "Home"));
        p.click(p.main().b_connect);
        EXPECT_EQ(ras.books_listed.back(), p.folder / "system/ras/rasphone.pbk")
            << "the NT family names its phone book";
        p.run_for(2);
        ras.reach(8192);
        p.run_for(1);
        EXPECT_THAT(p.log_texts(),
                    ElementsAre(" Dialing Office (pass #1)", " Connected to Office"));

        if (dropped)
            ras.lines.clear();  // the line is gone
        else
            p.click(p.main().b_disconnect);
        p.run_for(2);
        EXPECT_THAT(ras.lines, IsEmpty());
        EXPECT_EQ(p.states_changed, (dropped ? std::vector{8192, 8193} : std::vector{8192}));
        EXPECT_THAT(p.notices, ElementsAre(8193));
        EXPECT_THAT(p.log_texts(), Contains(dropped ? " Connection dropped from Office"
                                                    : " Disconnected from Office"));
        EXPECT_TRUE(p.main().b_connect.enabled());
    }
}

TEST(ras_dialer, a_refused_or_failing_dial_runs_every_pass_then_gives_up) {
    for (const bool refused : {true, false}) {
        fake_ras ras;
        ras.refusal = refused ? 623 : 0;  // ERROR_CANNOT_FIND_PHONEBOOK_ENTRY
        ras_program p(ras);
        p.dialogs.expect_message(
            "You have tried 3 number of times to connect to 'Office'.  Please try again.");
        p.click(p.main().b_connect);
        if (!refused) ras.reach(0, 678);  // ERROR_NO_ANSWER, reported later
        p.run_for(60);
        EXPECT_THAT(
            p.log_texts(),
            ElementsAre(" Dialing Office (pass #1)", " Dialing Office (pass #2)",
                        " Dialing Office (pass #3)", " The maximum retry count has been reached."));
        EXPECT_THAT(ras.lines, IsEmpty()) << "every handle is hung up, failed or not";
        EXPECT_THAT(p.states_changed, IsEmpty());
    }
}

TEST(ras_dialer, a_connection_left_from_before_is_found_and_hung_up_at_start) {
    fake_ras ras;
    ras.lines[7] = 8192;
    ras_program p(ras);
    EXPECT_THAT(ras.hung_up, ElementsAre(7));
    EXPECT_FALSE(p.ras_line->is_connected());
}

}  // namespace
}  // namespace tw
