#include <gtest/gtest.h>

#include <ctime>
#include <sstream>

#include "core/agenda_command.hpp"
#include "scoped_env.hpp"
#include "task_file_text.hpp"
#include "temp_folder.hpp"

namespace tw {
namespace {

// On the day the clocks go forward (29 March 2026 in Berlin), the hour they
// skip has no runs: the schedule never sees its minutes.
TEST(agenda_command, lists_no_run_at_a_time_the_clocks_skip) {
    testing::temp_folder folder;
    testing::write_file(
        folder / "task.ini",
        testing::task_file_text({{"/bin/poll", "", "01:00", "03:00", "1 hour", "Y"}}));
    const std::string heading = "Planned runs in the next 4 hours:\n03-29-2026\n";
    for (const auto& [zone, runs] :
         {std::pair{"Europe/Berlin", "01:00  /bin/poll\n03:00  /bin/poll\n"},
          {"UTC", "01:00  /bin/poll\n02:00  /bin/poll\n03:00  /bin/poll\n"}}) {
        std::ostringstream out, err;
        {
            const testing::scoped_env tz("TZ", zone);
            ::tzset();
            agenda_command({"--agenda", "4"}, folder.path().string(), make_wall_time(2026, 3, 29),
                           out, err);
        }
        ::tzset();
        EXPECT_EQ(out.str(), heading + runs) << zone;
    }
}

}  // namespace
}  // namespace tw
