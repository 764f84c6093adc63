#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

struct switch_answer {
    std::string answer;
    int entry_index = -1;  // for "/s": the entry to select, -1 for none
};

// Answers a question about the command line, which is searched as one
// lower-cased string, never split into words:
//  "/a" "auto", "/d" "dialit", "/t" "rtac", "/x" "exit" when the switch text
//  occurs anywhere (so "/dial" counts as "/d"), else "";
//  "/s" the entry name after the switch, lower-cased, when `entries` holds it
//  in any case, else "". The one character after "/s" is skipped and the
//  name ends before the next "/".
//  Any other switch comes back lower-cased.
switch_answer query_switch(std::string_view which, std::string_view command_line,
                           const std::vector<std::string>& entries);

// The entry name "/s" is given, as typed, found by the same rule; none
// without the switch.
std::optional<std::string> name_after_s(std::string_view command_line);

}  // namespace tw
