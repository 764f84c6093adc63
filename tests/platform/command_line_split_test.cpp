#include "platform/command_line_split.hpp"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace tw {
namespace {

using ::testing::ElementsAreArray;

struct split_case {
    const char* text;
    std::vector<std::string> arguments;
};

TEST(command_line_split, follows_the_windows_argument_rules) {
    const split_case cases[] = {
        {"", {}},
        {" ", {}},
        {" -q report.txt", {"-q", "report.txt"}},
        {"a\t b  \t c ", {"a", "b", "c"}},
        {R"("c:\my files\report.txt" -q)", {R"(c:\my files\report.txt)", "-q"}},
        {R"(pre"quoted part"post)", {"prequoted partpost"}},
        {R"(a "" b)", {"a", "", "b"}},
        {R"("")", {""}},
        {R"("unterminated quote)", {"unterminated quote"}},
        // Backslashes are literal unless a quote follows them.
        {R"(c:\tools\ \\server\share)", {R"(c:\tools\)", R"(\\server\share)"}},
        {R"(a\\b\\\c)", {R"(a\\b\\\c)"}},
        // 2n backslashes + quote: n backslashes, the quote toggles quoting.
        {R"("c:\dir\\" next)", {R"(c:\dir\)", "next"}},
        {R"(a\\\\"b c")", {R"(a\\b c)"}},
        // 2n+1 backslashes + quote: n backslashes and a literal quote.
        {R"(a\"b c)", {R"(a"b)", "c"}},
        {R"(a\\\"b c)", {R"(a\"b)", "c"}},
        {R"("a \" b")", {R"(a " b)"}},
        // "" inside quotes is a literal quote and quoting goes on.
        {R"("say ""hi"" now" x)", {R"(say "hi" now)", "x"}},
        {R"("""")", {R"(")"}},
        // No shell: its characters are plain text.
        {"; touch pwned", {";", "touch", "pwned"}},
        {"$(id) `id` | > &&", {"$(id)", "`id`", "|", ">", "&&"}},
    };
    for (const auto& c : cases)
        EXPECT_THAT(split_command_line(c.text), ElementsAreArray(c.arguments)) << c.text;
}

TEST(command_line_split, quoted_arguments_split_back_unchanged) {
    const std::vector<std::string> arguments = {"plain",
                                                "",
                                                "two words",
                                                "tab\there",
                                                R"(say "hi")",
                                                R"(ends in\)",
                                                R"(ends in two\\)",
                                                R"(c:\my files\)",
                                                R"(\"mixed\\" \)",
                                                "\"",
                                                R"(\\server\share)"};
    std::string line;
    for (const auto& a : arguments) line += " " + quote_argument(a);
    EXPECT_THAT(split_command_line(line), ElementsAreArray(arguments)) << line;
    EXPECT_EQ(quote_argument("/home/me/rasphone.pbk"), "/home/me/rasphone.pbk");
    EXPECT_EQ(quote_argument("/home/me/my book.pbk"), "\"/home/me/my book.pbk\"");
}

}  // namespace
}  // namespace tw
