#include "connection/dialers/ras_dialer.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "test_program.hpp"

namespace tw {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;
using ::testing::Matcher;
using ::testing::StartsWith;
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
    unsigned drop_error = 0;  // of a line that reads disconnected
    line_bytes bytes;         // of every line

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
                [this](ras_api::line handle, int& state, unsigned& line_error) {
                    const auto found = lines.find(handle);
                    if (found == lines.end()) return invalid_handle;
                    state = found->second;
                    line_error = state == ras_disconnected ? drop_error : 0;
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
                },
                [](unsigned error) {
                    return error == 623 ? std::string() : "text " + std::to_string(error);
                },
                [this](ras_api::line handle, line_bytes& counted) {
                    counted = bytes;
                    return lines.contains(handle) ? 0u : invalid_handle;
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
    std::vector<int> states_changed;  // the state read after each state_changed
    std::vector<int> notices;         // and at each state_notice
};

// Five seconds into a connect-time task of thirty the line is hung up, or
// drops with the error 629: the end is seen then, not once the task is over.
TEST(ras_dialer, lists_the_entries_connects_and_a_hang_up_or_a_drop_gives_8193_and_the_notice) {
    for (const bool dropped : {false, true}) {
        SCOPED_TRACE(dropped);
        fake_ras ras;
        ras_program p(ras);
        const std::string task = p.add_task("task");
        p.main().o_run_tasks_at_connect.set_value(1);
        p.fakes.set_run_seconds(task, 30);
        EXPECT_THAT(p.main().o_phonebook_list.items(), ElementsAre("Office", "Home"));
        p.click(p.main().b_connect);
        EXPECT_EQ(ras.books_listed.back(), p.folder / "system/ras/rasphone.pbk")
            << "the NT family names its phone book";
        p.run_for(2);
        ras.bytes = {5000, 700};
        p.do_after(5, [&] {
            if (!dropped) return p.main().b_disconnect.click();
            ras.drop_error = 629;
            ras.lines[ras.latest] = ras_disconnected;
        });
        ras.reach(8192);
        p.run_for(40);
        EXPECT_THAT(ras.lines, IsEmpty());
        // The session, and its task, ran in the first one's handler.
        EXPECT_EQ(p.states_changed.size(), dropped ? 2u : 1u);
        EXPECT_THAT(p.notices, ElementsAre(8193));
        const auto end = StartsWith(" Connect time:  00:00:0");
        const std::vector<Matcher<std::string>> ended =
            dropped ? std::vector<Matcher<std::string>>{" Line dropped: 629: text 629",
                                                        " Connection dropped from Office", end, ""}
                    : std::vector<Matcher<std::string>>{end, " Disconnected from Office", ""};
        std::vector<Matcher<std::string>> log{" Dialing Office (pass #1)", " Connected to Office",
                                              " Running: " + task + " "};
        log.insert(log.end(), ended.begin(), ended.end());
        EXPECT_THAT(p.log_texts(), ElementsAreArray(log));
        EXPECT_TRUE(p.main().b_connect.enabled());
        EXPECT_TRUE(p.file("logs/connections.csv")
                        .ends_with((dropped ? ",line drop,5000,700\r\n" : ",hang-up,5000,700\r\n")))
            << "the bytes as the line last showed them";
    }
}

// Each failure says why, with the system's text when it has one; the passes
// run their time-out all the same.
TEST(ras_dialer, a_refused_or_failing_dial_runs_every_pass_then_gives_up) {
    for (const bool refused : {true, false}) {
        fake_ras ras;
        ras.refusal = refused ? 623 : 0;  // ERROR_CANNOT_FIND_PHONEBOOK_ENTRY
        ras_program p(ras);
        p.dialogs.expect_message(
            "You have tried 3 number of times to connect to 'Office'.  Please try again.");
        p.click(p.main().b_connect);
        if (!refused) ras.reach(0, 678);  // ERROR_NO_ANSWER, reported later, in pass 1 only
        p.run_for(60);
        const std::string failed = refused ? " Dial failed: 623" : " Dial failed: 678: text 678";
        const std::string gave_up = " The maximum retry count has been reached.";
        EXPECT_THAT(
            p.log_texts(),
            ElementsAreArray(
                refused ? std::vector<std::string>{" Dialing Office (pass #1)", failed,
                                                   " Dialing Office (pass #2)", failed,
                                                   " Dialing Office (pass #3)", failed, gave_up}
                        : std::vector<std::string>{" Dialing Office (pass #1)", failed,
                                                   " Dialing Office (pass #2)",
                                                   " Dialing Office (pass #3)", gave_up}));
        const list_box& log = p.main().o_log;
        EXPECT_EQ(log.item(log.list_count() - 1).substr(13, 8), "09:00:42")
            << "three full passes and two pauses";
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
