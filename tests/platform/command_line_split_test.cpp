#include "platform/command_line_split.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tw {
namespace {

using ::testing::ElementsAreArray;

TEST(command_line_split, follows_the_windows_argument_rules) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"", {}},
        {"a\t b  \t c ", {"a", "b", "c"}},
        {R"("c:\my files\report.txt" -q)", {R"(c:\my files\report.txt)", "-q"}},
        {R"(pre"quoted part"post a "" b)", {"prequoted partpost", "a", "", "b"}},
        {R"("unterminated quote)", {"unterminated quote"}},
        // Backslashes are literal unless a quote follows: 2n then halve and
        // toggle quoting, 2n+1 then halve and keep a literal quote.
        {R"(c:\tools\ \\server\share)", {R"(c:\tools\)", R"(\\server\share)"}},
        {R"("c:\dir\\" next)", {R"(c:\dir\)", "next"}},
        {R"(a\"b a\\\"b "a \" b")", {R"(a"b)", R"(a\"b)", R"(a " b)"}},
        {R"("say ""hi"" now" x)", {R"(say "hi" now)", "x"}},  // "" inside quotes
    };
    for (const auto& [text, arguments] : cases)
        EXPECT_THAT(split_command_line(text), ElementsAreArray(arguments)) << text;
}

TEST(command_line_split, quoted_arguments_split_back_unchanged) {
    std::vector<std::string> arguments;
    std::string line;
    for (const char* argument :
         {"plain", "", "two words", "tab\there", "say \"hi\"", "ends in two\\\\", "c:\\my files\\",
          "\\\"mixed\\\\\" \\", "\"", "\\\\server\\share"}) {
        arguments.push_back(argument);
        line += " " + quote_argument(argument);
    }
    EXPECT_THAT(split_command_line(line), ElementsAreArray(arguments)) << line;
    EXPECT_EQ(quote_argument("/home/me/rasphone.pbk"), "/home/me/rasphone.pbk");
}

}  // namespace
}  // namespace tw
