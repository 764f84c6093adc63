#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "program_run.hpp"
#include "task_file_text.hpp"

namespace tw {
namespace {

using testing::program_run;
using testing::task_file_text;

TEST(schedule_run, the_agenda_shows_the_surprises_of_the_schedule_and_writes_nothing) {
    program_run run({"--agenda"}, testing::clock_starting_at("2026-12-06 16:05:00"));
    run.write("task.ini", task_file_text({{"/bin/odd", "", "08:05", "17:00", "10 minutes", "Y"},
                                          {"/bin/late", "-v", "17:00", "17:30", "20 minutes", "Y"},
                                          {"/bin/night", "", "22:00", "02:00", "1 hour", "Y"},
                                          {"/bin/off", "", "08:00", "17:00", "1 hour", "N"},
                                          {"/bin/daily", "", "06:00", "07:00", "Daily", "Y"}}));
    run.start();
    EXPECT_EQ(run.wait_for_exit(), 0) << run.error_output();
    EXPECT_EQ(run.output(),
              "Planned runs in the next 24 hours:\n12-06-2026\n17:00  /bin/late -v\n"
              "17:20  /bin/late -v\n17:40  /bin/late -v\n12-07-2026\n06:00  /bin/daily\n\n"
              "Never runs:\n/bin/odd  (the start time is not on a ten-minute mark)\n"
              "/bin/night  (the window crosses midnight)\n");
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(run.folder.path()))
        files.push_back(entry.path().filename().string());
    EXPECT_THAT(
        files, ::testing::UnorderedElementsAre("tarnwick", "task.ini", "stdout.txt", "stderr.txt"));
}

}  // namespace
}  // namespace tw
