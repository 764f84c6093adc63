#include <gtest/gtest.h>

#include <ctime>
#include <sstream>

#include "core/agenda_command.hpp"
#include "scoped_env.hpp"
#include "task_file_text.hpp"
#include "temp_folder.hpp"

namespace tw {
namespace {

// On the day the clocks go forward, the hour they skip has no runs: the
// schedule never sees its minutes.
TEST(agenda_command, lists_no_run_at_a_time_the_clocks_skip) {
    const struct {
        const char* zone;
        unsigned day;  // of March 2026
        const char* runs;
    } cases[] = {{"Europe/Berlin", 29, "00:00 00:30 01:00 01:30 03:00 03:30 "},
                 {"America/New_York", 8, "00:00 00:30 01:00 01:30 03:00 03:30 "},
                 {"UTC", 29, "00:00 00:30 01:00 01:30 02:00 02:30 03:00 03:30 "}};
    testing::temp_folder folder;
    testing::write_file(
        folder / "task.ini",
        testing::task_file_text({{"/bin/poll", "", "00:00", "05:00", "30 minutes", "Y"}}));
    for (const auto& c : cases) {
        std::ostringstream out, err;
        {
            const testing::scoped_env zone("TZ", c.zone);
            ::tzset();
            agenda_command({"--agenda", "4"}, folder.path().string(),
                           make_wall_time(2026, 3, c.day), out, err);
        }
        ::tzset();
        std::istringstream lines(out.str());
        std::string runs;
        for (std::string line; std::getline(lines, line);)
            if (line.ends_with("/bin/poll")) runs += line.substr(0, 5) + " ";
        EXPECT_EQ(runs, c.runs) << c.zone;
    }
}

}  // namespace
}  // namespace tw
