#include "connection/dialers/windows/system_ras.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "connection/dialers/ras_dialer.hpp"
#include "test_program.hpp"

namespace tw {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Wine's remote access knows no entries and dials nothing.
bool under_wine() {
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
}

TEST(system_ras, the_program_starts_on_it_and_a_dial_to_no_entry_gives_up) {
    testing::test_program p({.other_dialer = [](event_loop& loop) -> std::unique_ptr<dialer> {
        return std::make_unique<ras_dialer>(loop, system_ras().value(), "");
    }});
    auto& ras = static_cast<ras_dialer&>(p.prog.ctrl_RAS);
    p.start_up();
    ASSERT_FALSE(p.ended()) << "remote access is there";
    if (under_wine()) {
        EXPECT_THAT(p.main().o_phonebook_list.items(), IsEmpty());
    }

    p.main().o_phonebook_list.set_text("No Such Entry");
    p.main().o_timeout.set_text("1");
    p.main().o_retry_count.set_text("2");
    p.dialogs.expect_message(
        "You have tried 2 number of times to connect to 'No Such Entry'.  Please try again.");
    p.click(p.main().b_connect);
    p.run_for(30);
    // The refusal's number and the system's text for it.
    const auto refused = ::testing::MatchesRegex(" Dial failed: \\d+.*");
    EXPECT_THAT(p.log_texts(), ElementsAre(" Dialing No Such Entry (pass #1)", refused,
                                           " Dialing No Such Entry (pass #2)", refused,
                                           " The maximum retry count has been reached."));
    EXPECT_FALSE(ras.is_connected());
}

}  // namespace
}  // namespace tw
