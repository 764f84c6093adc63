#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include "../program_run.hpp"
#include "mock_network_manager.hpp"
#include "task_file_text.hpp"

namespace tw {
namespace {

using testing::program_run;

// "/s NAME /a" started at a mark, so its first look at the clock finds the task
// due. NetworkManager's profile shows from outside that the pass, not the end of
// the program, hangs up.
TEST(networkmanager_run, with_a_the_task_due_at_the_mark_runs_and_the_line_is_hung_up) {
    testing::mock_network_manager mock;
    if (!mock.unavailable().empty()) GTEST_SKIP() << mock.unavailable();
    mock.add_profile("MyISP", "gsm");
    auto environment = testing::clock_starting_at("2026-12-06 08:00:00");
    environment.push_back("TARNWICK_DIALER=networkmanager");
    program_run run({"/s", "MyISP", "/a"}, environment);
    const std::string job = run.folder / "job.sh";
    testing::write_file(job, "#!/bin/sh\necho \"$*\" >> \"" + (run.folder / "ran.txt") + "\"\n");
    ::chmod(job.c_str(), 0755);
    run.write("task.ini", testing::task_file_text(
                              {{job, "-q, \"news\"", "08:00", "08:00", "10 minutes", "Y"}}));
    run.start();
    const auto ran = [&] { return run.file("logs/tasks.csv").find(",connect,"); };
    ASSERT_TRUE(run.wait_until([&] { return ran() != std::string::npos; })) << run.error_output();
    EXPECT_TRUE(run.wait_until([&] { return mock.active_connections().empty(); }))
        << "the profile is deactivated while the program runs on";
    run.send(SIGTERM);
    EXPECT_EQ(run.wait_for_exit(), 0);

    // Switched on with the entry chosen, the schedule also runs the tasks at
    // connect time; the due task then runs there, once.
    EXPECT_EQ(run.file("ran.txt"), "-q, news\n");
    const std::string ledger = run.file("logs/tasks.csv");
    const std::string record = ledger.substr(ledger.rfind("\r\n", ran()) + 2);
    EXPECT_EQ(record.substr(0, 17), "2026-12-06T08:00:") << "started at the mark";
    EXPECT_EQ(record.substr(record.find(",exit 0")),
              ",exit 0,connect," + job + ",\"-q, \"\"news\"\"\"\r\n");
}

}  // namespace
}  // namespace tw
