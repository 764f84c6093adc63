#include <gtest/gtest.h>
#include <signal.h>

#include "program_run.hpp"
#include "unattended_folder.hpp"

namespace tw {
namespace {

using testing::program_run;

TEST(unattended_run, dials_runs_both_tasks_hangs_up_and_ends_with_x) {
    program_run run({"/s", "MyISP", "/d", "/x"});
    testing::prepare_unattended_run(run);
    run.start();
    EXPECT_EQ(run.wait_for_exit(), 0) << run.error_output();
    testing::expect_one_unattended_session(run);
}

TEST(unattended_run, without_x_the_program_stays_open_after_hanging_up) {
    program_run run({"/s", "MyISP", "/d"});
    testing::prepare_unattended_run(run);
    run.start();
    ASSERT_TRUE(run.wait_until([&] {
        return run.file("ran.txt").find("report.sh") != std::string::npos;
    })) << run.error_output();
    EXPECT_FALSE(run.wait_for_exit(std::chrono::seconds(2)).has_value());
    run.send(SIGTERM);
    EXPECT_EQ(run.wait_for_exit(), 0);
    const std::string log = run.file("logs/last.log");
    EXPECT_NE(log.find(" Disconnected from MyISP"), std::string::npos) << log;
}

}  // namespace
}  // namespace tw
