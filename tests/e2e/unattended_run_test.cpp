#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "program_run.hpp"
#include "task_file_text.hpp"

namespace tw {
namespace {

using testing::program_run;

// The folder as a user would leave it: a phone book whose MyISP answers after a
// second, two tasks that append their arguments to ran.txt, and the options of
// an unattended run.
void prepare_unattended_run(program_run& run) {
    run.write("ras/rasphone.pbk", "[MyISP]\r\nSimulatedConnectSeconds=1\r\n");
    for (const char* name : {"fetch.sh", "report.sh"}) {
        const std::string script = run.folder / name;
        testing::write_file(script, "#!/bin/sh\necho \"" + std::string(name) + " $*\" >> \"" +
                                        (run.folder / "ran.txt") + "\"\n");
        ::chmod(script.c_str(), 0755);
    }
    run.write("task.ini", testing::task_file_text(
                              {{run.folder / "fetch.sh", "-q news", "", "", "", "Yes"},
                               {run.folder / "report.sh", "\"daily summary\"", "", "", "", "Y"}}));
    run.write("tw.ini",
              "[Current]\r\nRun Tasks At Connect=Yes\r\nDisconnect After Last Task=Yes\r\n"
              "Save Logs=Yes\r\n");
}

// The CR LF lines of `log` without their stamps.
std::vector<std::string> log_texts(const std::string& log) {
    std::vector<std::string> texts;
    for (std::size_t at = 0, end = 0; at < log.size(); at = end + 2) {
        end = std::min(log.find("\r\n", at), log.size());
        texts.push_back(end - at > 21 ? log.substr(at + 21, end - at - 21)
                                      : log.substr(at, end - at));
    }
    return texts;
}

// Without "/x" the program stays open: the virtual-clock session test shows it.
TEST(unattended_run, dials_runs_both_tasks_hangs_up_and_ends_with_x) {
    program_run run({"/s", "MyISP", "/d", "/x"});
    prepare_unattended_run(run);
    run.start();
    EXPECT_EQ(run.wait_for_exit(), 0) << run.error_output();
    EXPECT_EQ(run.file("ran.txt"), "fetch.sh -q news\nreport.sh daily summary\n");
    EXPECT_EQ(
        log_texts(run.file("logs/last.log")),
        std::vector<std::string>({" Dialing MyISP (pass #1)", " Connected to MyISP",
                                  " Running: " + (run.folder / "fetch.sh") + " -q news",
                                  " Running: " + (run.folder / "report.sh") + " \"daily summary\"",
                                  " Connect time:  00:00:00", " Disconnected from MyISP", ""}));
}

// Another process keeping the ledger and the error log locked (flock FILE
// sleep 600) has them waited for a few seconds, then counted unwritable as a
// FIFO in their place is: the run goes on and ends in order.
TEST(unattended_run, files_another_process_keeps_locked_are_waited_for_briefly_and_skipped) {
    program_run run({"/s", "MyISP", "/d", "/x"});
    prepare_unattended_run(run);
    run.write("task.ini",
              testing::task_file_text({{run.folder / "fetch.sh", "-q news", "", "", "", "Yes"}}));
    std::vector<int> locks;
    for (const char* name : {"log.txt", "logs/tasks.csv"}) {
        run.write(name, "");
        locks.push_back(::open((run.folder / name).c_str(), O_RDONLY | O_CLOEXEC));
        ASSERT_EQ(::flock(locks.back(), LOCK_EX), 0);
    }
    run.start();
    EXPECT_EQ(run.wait_for_exit(), 0) << run.error_output();
    for (const int fd : locks) ::close(fd);
    EXPECT_EQ(run.file("ran.txt"), "fetch.sh -q news\n");
    EXPECT_TRUE(run.exists("logs/last.log"));
    EXPECT_NE(run.file("tw.ini").find("Save Logs=Yes"), std::string::npos);
    EXPECT_NE(run.error_output().find("logs/tasks.csv': another program keeps it locked"),
              std::string::npos)
        << run.error_output();
}

}  // namespace
}  // namespace tw
