#include "core/command_line.hpp"

#include <gtest/gtest.h>

namespace tw {
namespace {

const std::vector<std::string> entries = {"Office", "MyISP", "Back/up", "yisp"};

TEST(query_switch, flag_switches_are_found_anywhere_in_any_case) {
    struct row {
        const char* which;
        const char* command_line;
        const char* answer;
    };
    for (const row& r : std::initializer_list<row>{
             {"/a", "/s MyISP /A", "auto"},
             {"/A", "/s myisp /a", "auto"},
             {"/d", "/dial", "dialit"},
             {"/a", "/s c:/apps/x", "auto"},  // a path holding /a counts
             {"/d", "/s MyISP", ""},
             {"/x", "/X", "exit"},
             {"/t", "/t", "rtac"},
             {"/q", "/q", "/q"},  // unknown switches come back lower-cased
             {"/Q", "", "/q"},
         })
        EXPECT_EQ(query_switch(r.which, r.command_line, entries).answer, r.answer)
            << r.which << " in " << r.command_line;
}

TEST(query_switch, s_selects_the_named_entry) {
    struct row {
        const char* command_line;
        const char* answer;
        int index;
    };
    for (const row& r : std::initializer_list<row>{
             {"/S MyISP", "myisp", 1},
             {"/s  MyISP /d", "myisp", 1},  // extra blank trimmed, name ends at the next switch
             {"/sMyISP", "yisp", 3},        // the character after /s is always skipped
             {"/s Nowhere", "", -1},
             {"/s Back/up", "", -1},  // a name holding "/" can never be chosen
             {"/d", "", -1},
             {"/s", "", -1},
         }) {
        const switch_answer a = query_switch("/s", r.command_line, entries);
        EXPECT_EQ(a.answer, r.answer) << r.command_line;
        EXPECT_EQ(a.entry_index, r.index) << r.command_line;
    }
}

}  // namespace
}  // namespace tw
