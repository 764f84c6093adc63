#include "core/agenda_command.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "temp_folder.hpp"

namespace tw {
namespace {

using testing::temp_folder;

struct answer {
    std::optional<int> code;
    std::string out, err;
};

answer run(const temp_folder& folder, std::vector<std::string> arguments) {
    std::ostringstream out, err;
    const auto code = agenda_command(arguments, folder.path().string(),
                                     make_wall_time(2026, 12, 6, 23, 35, 10), out, err);
    return {code, out.str(), err.str()};
}

// The task file named by the settings; a disabled task and the midnight
// turn (a new day heading) over a span of hours given on the command line.
TEST(agenda_command, lists_the_runs_of_the_named_task_file_by_day_over_the_hours_asked) {
    temp_folder folder;
    const std::string tasks = folder / "my tasks.ini";
    testing::write_file(folder / "tw.ini", "[Current]\r\nTask Ini File=" + tasks + "\r\n");
    testing::write_file(tasks,
                        "[Tasks]\r\ntask0=/bin/poll\r\ntask1=/bin/off\r\n"
                        "[Parameters]\r\n/bin/poll=-v\r\n"
                        "[Start Time]\r\n/bin/poll=00:00\r\n/bin/off=00:00\r\n"
                        "[Stop Time]\r\n/bin/poll=23:00\r\n/bin/off=23:00\r\n"
                        "[Interval]\r\n/bin/poll=20 minutes\r\n/bin/off=10 minutes\r\n"
                        "[Enabled]\r\n/bin/poll=Yes\r\n/bin/off=No\r\n");
    const answer a = run(folder, {"/s", "x", "--agenda", "1"});
    EXPECT_EQ(a.code, 0);
    EXPECT_EQ(a.out,
              "Planned runs in the next hour:\n12-06-2026\n23:40  /bin/poll -v\n"
              "12-07-2026\n00:00  /bin/poll -v\n00:20  /bin/poll -v\n");
    EXPECT_EQ(run(folder, {"--agenda"}).out.substr(0, 35), "Planned runs in the next 24 hours:\n");
}

TEST(agenda_command, refuses_hours_that_are_no_whole_number_in_range_and_ignores_other_runs) {
    temp_folder folder;
    for (const char* hours : {"0", "8761", "2.5", "x", "-3"}) {
        const answer a = run(folder, {"--agenda", hours});
        EXPECT_EQ(a.code, 2) << hours;
        EXPECT_EQ(a.err, "tarnwick: --agenda takes a whole number of hours from 1 to 8760.\n");
    }
    EXPECT_EQ(run(folder, {"--agenda", "8760"}).out, "No planned runs in the next 8760 hours.\n");
    EXPECT_FALSE(run(folder, {"/s", "MyISP", "/d"}).code.has_value());
    EXPECT_TRUE(std::filesystem::is_empty(folder.path())) << "nothing written";
}

}  // namespace
}  // namespace tw
