#include "core/agenda_command.hpp"

#include <gtest/gtest.h>

#include <sstream>

#include "task_file_text.hpp"
#include "temp_folder.hpp"

namespace tw {
namespace {

// The task file the settings name; the hours asked for, or the usage when
// they are no whole number from 1 to 8760 or more follows them; nothing written.
TEST(agenda_command, lists_the_runs_of_the_named_task_file_over_the_hours_asked) {
    testing::temp_folder folder;
    const auto run = [&](std::vector<std::string> arguments) {
        std::ostringstream out, err;
        const auto code = agenda_command(arguments, folder.path().string(),
                                         make_wall_time(2026, 12, 6, 23, 35, 10), out, err);
        return std::tuple{code, out.str(), err.str()};
    };
    EXPECT_EQ(run({"--agenda", "8760"}),
              std::tuple(0, "No planned runs in the next 8760 hours.\n", ""));
    const std::vector<std::string> refused[] = {{"--agenda", "0"},        {"--agenda", "8761"},
                                                {"--agenda", "2.5"},      {"--agenda", "x"},
                                                {"--agenda", "24", "48"}, {"--agenda", "24", "/x"}};
    for (const auto& arguments : refused)
        EXPECT_EQ(run(arguments),
                  std::tuple(2, "",
                             "usage: tarnwick --agenda [HOURS]   (HOURS: a whole number from 1 "
                             "to 8760, 24 unless given)\n"))
            << arguments.back();
    EXPECT_FALSE(std::get<0>(run({"/s", "MyISP", "/d"})).has_value());
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

    const std::string tasks = folder / "my tasks.ini";
    testing::write_file(folder / "tw.ini", "[Current]\r\nTask Ini File=" + tasks + "\r\n");
    testing::write_file(
        tasks, testing::task_file_text({{"/bin/poll", "-v", "00:00", "23:00", "20 minutes", "Y"}}));
    EXPECT_EQ(std::get<1>(run({"--agenda", "1"})),
              "Planned runs in the next hour:\n12-06-2026\n23:40  /bin/poll -v\n"
              "12-07-2026\n00:00  /bin/poll -v\n00:20  /bin/poll -v\n");
}

}  // namespace
}  // namespace tw
