#include "scheduler/run_ledger.hpp"

#include <gtest/gtest.h>

#include "scheduling_program.hpp"

namespace tw {
namespace {

TEST(run_ledger, quotes_only_fields_that_need_it_as_csv_does) {
    EXPECT_EQ(csv_record({"plain", "a,b", "say \"hi\"", "two\nlines", "cr\r", ""}),
              "plain,\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",\"cr\r\",\r\n");
}

TEST(run_ledger, a_ledger_that_cannot_be_written_is_reported_and_the_task_still_runs) {
    testing::scheduling_program p({{"task", "", "", "", "", "Y"}}, 9, 0, 0);
    p.prog.log_directory = p.path("no/such/folder");
    std::string task = p.path("task");
    p.drive([&] { p.prog.launcher.launch_app(task, "", "YES", run_trigger::now); });
    EXPECT_EQ(p.fakes.started().size(), 1u);
    const std::string errors = p.file("log.txt");
    EXPECT_NE(errors.find("cannot append to " + p.path("no/such/folder/tasks.csv")),
              std::string::npos)
        << errors;
}

}  // namespace
}  // namespace tw
