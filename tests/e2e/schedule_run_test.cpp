#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <filesystem>

#include "program_run.hpp"
#include "task_file_text.hpp"

namespace tw {
namespace {

using testing::program_run;
using testing::task_file_text;

// The program's clock starts at `at` (local time) and runs on from there.
std::vector<std::string> starting_at(const std::string& at) {
    return {std::string("LD_PRELOAD=") + FAKETIME_LIBRARY, "FAKETIME=@" + at,
            "DONT_FAKE_MONOTONIC=1", "ASAN_OPTIONS=verify_asan_link_order=0"};
}

TEST(schedule_run, with_a_the_task_due_at_the_next_mark_runs_at_the_mark_and_is_recorded) {
    program_run run({"/s", "MyISP", "/a"}, starting_at("2026-12-06 07:59:57"));
    const std::string job = run.folder / "job.sh";
    testing::write_file(job, "#!/bin/sh\necho \"$*\" >> \"" + (run.folder / "ran.txt") + "\"\n");
    ::chmod(job.c_str(), 0755);
    run.write("ras/rasphone.pbk", "[MyISP]\r\nSimulatedConnectSeconds=1\r\n");
    run.write("task.ini",
              task_file_text({{job, "-q, \"news\"", "08:00", "08:00", "10 minutes", "Y"}}));
    run.start();
    const auto scheduled = [&] { return run.file("logs/tasks.csv").find(",schedule,"); };
    ASSERT_TRUE(run.wait_until([&] { return scheduled() != std::string::npos; }))
        << run.error_output();
    run.send(SIGTERM);
    EXPECT_EQ(run.wait_for_exit(), 0);

    // Switched on with the entry chosen, the schedule also runs the tasks at connect time.
    // When the pass hangs up is the virtual-clock scheduler test's: nothing
    // outside the process shows it before the end.
    EXPECT_EQ(run.file("ran.txt"), "-q, news\n-q, news\n");
    const std::string ledger = run.file("logs/tasks.csv");
    const std::string record = ledger.substr(ledger.rfind("\r\n", scheduled()) + 2);
    EXPECT_EQ(record.substr(0, 17), "2026-12-06 08:00:") << "started at the mark";
    EXPECT_EQ(record.substr(record.find(",exit 0")),
              ",exit 0,schedule," + job + ",\"-q, \"\"news\"\"\"\r\n");
}

TEST(schedule_run, the_agenda_shows_the_surprises_of_the_schedule_and_writes_nothing) {
    program_run run({"--agenda"}, starting_at("2026-12-06 16:05:00"));
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
