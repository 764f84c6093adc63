#include <gtest/gtest.h>

#include "../program_run.hpp"
#include "../unattended_folder.hpp"
#include "mock_network_manager.hpp"

namespace tw {
namespace {

// The unattended run of the simulated dialer's test, through NetworkManager:
// the same tasks and the same log, and the profile is down afterwards.
TEST(networkmanager_run, dials_the_profile_runs_the_tasks_deactivates_it_and_ends_with_x) {
    testing::mock_network_manager mock;
    if (!mock.unavailable().empty()) GTEST_SKIP() << mock.unavailable();
    mock.add_profile("MyISP", "gsm");
    testing::program_run run({"/s", "MyISP", "/d", "/x"}, {"TARNWICK_DIALER=networkmanager"});
    testing::prepare_unattended_run(run);
    run.start();
    EXPECT_EQ(run.wait_for_exit(), 0) << run.error_output();
    testing::expect_one_unattended_session(run);
    EXPECT_TRUE(run.wait_until([&] { return mock.active_connections().empty(); }))
        << "the profile is deactivated";
}

}  // namespace
}  // namespace tw
