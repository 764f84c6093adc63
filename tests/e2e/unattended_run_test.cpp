#include <gtest/gtest.h>
#include <sys/stat.h>

#include "program_run.hpp"

namespace tw {
namespace {

using testing::program_run;

// The folder of a run prepared as a user would leave it: a phone book whose
// MyISP answers after a second, two tasks that append their arguments to
// ran.txt, and the options of an unattended run.
void prepare(program_run& run) {
    run.write("ras/rasphone.pbk", "[MyISP]\r\nSimulatedConnectSeconds=1\r\n");
    for (const char* name : {"fetch.sh", "report.sh"}) {
        const std::string script = run.folder / name;
        testing::write_file(script, "#!/bin/sh\necho \"" + std::string(name) + " $*\" >> \"" +
                                        (run.folder / "ran.txt") + "\"\n");
        ::chmod(script.c_str(), 0755);
    }
    const std::string fetch = run.folder / "fetch.sh";
    const std::string report = run.folder / "report.sh";
    run.write("task.ini", "[Tasks]\r\ntask0=" + fetch + "\r\ntask1=" + report +
                              "\r\n[Parameters]\r\n" + fetch + "=-q news\r\n" + report +
                              "=\"daily summary\"\r\n[Enabled]\r\n" + fetch + "=Yes\r\n" + report +
                              "=Y\r\n");
    run.write("tw.ini",
              "[Current]\r\nRun Tasks At Connect=Yes\r\nDisconnect After Last Task=Yes\r\n"
              "Save Logs=Yes\r\n");
}

// The texts of last.log in order, stamps removed.
std::vector<std::string> log_texts(const std::string& log) {
    std::vector<std::string> texts;
    for (std::size_t at = 0; at < log.size();) {
        const std::size_t end = log.find("\r\n", at);
        const std::string line = log.substr(at, end - at);
        texts.push_back(line.size() > 21 ? line.substr(21) : line);
        at = end == std::string::npos ? log.size() : end + 2;
    }
    return texts;
}

TEST(unattended_run, dials_runs_both_tasks_hangs_up_and_ends_with_x) {
    program_run run({"/s", "MyISP", "/d", "/x"});
    prepare(run);
    run.start();
    EXPECT_EQ(run.wait_for_exit(), 0) << run.error_output();

    EXPECT_EQ(run.file("ran.txt"), "fetch.sh -q news\nreport.sh daily summary\n");
    const std::string fetch = run.folder / "fetch.sh";
    const std::string report = run.folder / "report.sh";
    EXPECT_EQ(log_texts(run.file("logs/last.log")),
              (std::vector<std::string>{
                  " Dialing MyISP (pass #1)", " Connected to MyISP",
                  " Running: " + fetch + " -q news", " Running: " + report + " \"daily summary\"",
                  " Connect time:  00:00:00", " Disconnected from MyISP", ""}));
}

TEST(unattended_run, without_x_the_program_stays_open_after_hanging_up) {
    program_run run({"/s", "MyISP", "/d"});
    prepare(run);
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
