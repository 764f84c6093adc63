#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tw {

// Task parameters are written for the Windows command-line convention, so
// every platform turns them into arguments by its rules:
//  - blanks and tabs separate arguments, except inside double quotes;
//  - a double quote starts or ends quoting and is dropped ("" outside
//    quotes is an empty argument);
//  - 2n backslashes before a quote give n backslashes, and the quote acts
//    as above; 2n+1 backslashes before a quote give n backslashes and a
//    literal quote; backslashes elsewhere are literal (c:\a\b stays c:\a\b);
//  - inside quotes, "" gives one literal quote and quoting goes on, as in
//    the current Microsoft C runtime (older runtimes ended the quoting).
std::vector<std::string> split_command_line(std::string_view text);

// `argument` written so that split_command_line gives it back unchanged;
// quoted only when it holds a blank, a tab or a quote, or is empty.
std::string quote_argument(std::string_view argument);

}  // namespace tw
