#include <gtest/gtest.h>

#include "program_run.hpp"
#include "unattended_folder.hpp"

namespace tw {
namespace {

using testing::program_run;

// Without "/x" the program stays open: the virtual-clock session test shows it.
TEST(unattended_run, dials_runs_both_tasks_hangs_up_and_ends_with_x) {
    program_run run({"/s", "MyISP", "/d", "/x"});
    testing::prepare_unattended_run(run);
    run.start();
    EXPECT_EQ(run.wait_for_exit(), 0) << run.error_output();
    testing::expect_one_unattended_session(run);
}

}  // namespace
}  // namespace tw
