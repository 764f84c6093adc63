#include "core/command_line.hpp"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(query_switch, finds_flags_anywhere_in_any_case_and_s_selects_the_named_entry) {
    const std::vector<std::string> entries = {"Office", "MyISP", "Back/up", "yisp"};
    const struct {
        const char *which, *command_line, *answer;
        int index = -1;
    } cases[] = {
        {"/a", "/s MyISP /A", "auto"},
        {"/A", "/s myisp /a", "auto"},
        {"/d", "/dial", "dialit"},
        {"/a", "/s c:/apps/x", "auto"},  // a path holding /a counts
        {"/d", "/s MyISP", ""},
        {"/x", "/X", "exit"},
        {"/t", "/t", "rtac"},
        {"/Q", "", "/q"},  // unknown switches come back lower-cased
        {"/s", "/S MyISP", "myisp", 1},
        {"/s", "/s  MyISP /d", "myisp", 1},  // extra blank trimmed, name ends at the next switch
        {"/s", "/sMyISP", "yisp", 3},        // the character after /s is always skipped
        {"/s", "/s Nowhere", ""},
        {"/s", "/s Back/up", ""},  // a name holding "/" can never be chosen
        {"/s", "/s", ""},
    };
    for (const auto& c : cases) {
        const switch_answer a = query_switch(c.which, c.command_line, entries);
        EXPECT_EQ(a.answer, c.answer) << c.which << " in " << c.command_line;
        if (std::string(c.which) == "/s") {
            EXPECT_EQ(a.entry_index, c.index) << c.command_line;
        }
    }
}

}  // namespace
}  // namespace tw
