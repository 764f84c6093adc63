#include "core/console_command.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "temp_folder.hpp"

namespace tw {
namespace {

// Which answer the console gives: --help over everything, then --version, then
// a refused option; the agenda last, the only one that asks for the program
// folder; the Windows-style switches left to the window.
TEST(console_command, answers_help_version_unknown_options_and_the_agenda_in_that_order) {
    testing::temp_folder folder;
    struct row {
        std::vector<std::string> arguments;
        std::optional<int> code;
        std::string out_start, err;
    };
    const std::string refused = "tarnwick: unknown option '--quiet'; see tarnwick --help\n";
    const row rows[] = {
        {{"/s", "MyISP", "--quiet", "--help"}, 0, "Usage: tarnwick", ""},
        {{"--agenda", "--version"}, 0, "Tarnwick ", ""},
        {{"--agenda", "1", "--quiet"}, 2, "", refused},
        {{"--", "/d"}, 2, "", "tarnwick: unknown option '--'; see tarnwick --help\n"},
        {{"--agenda", "1"}, 0, "No planned runs in the next hour.\n", ""},
        {{"/s", "My--ISP", "-v", "/D"}, std::nullopt, "", ""},
        {{}, std::nullopt, "", ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.arguments.empty() ? "" : r.arguments.front());
        std::ostringstream out, err;
        int asked = 0;
        const auto code = console_command(
            r.arguments, [&] { return ++asked, folder.path().string(); },
            make_wall_time(2026, 12, 6, 23, 35, 10), out, err);
        EXPECT_EQ(code, r.code);
        EXPECT_TRUE(out.str().starts_with(r.out_start)) << out.str();
        EXPECT_EQ(out.str().empty(), r.out_start.empty());
        EXPECT_EQ(err.str(), r.err);
        const bool agenda = r.arguments == std::vector<std::string>{"--agenda", "1"};
        EXPECT_EQ(asked, agenda ? 1 : 0);
    }
}

}  // namespace
}  // namespace tw
