#include "unattended_folder.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>

#include "task_file_text.hpp"

namespace tw::testing {

void prepare_unattended_run(program_run& run) {
    run.write("ras/rasphone.pbk", "[MyISP]\r\nSimulatedConnectSeconds=1\r\n");
    for (const char* name : {"fetch.sh", "report.sh"}) {
        const std::string script = run.folder / name;
        write_file(script, "#!/bin/sh\necho \"" + std::string(name) + " $*\" >> \"" +
                               (run.folder / "ran.txt") + "\"\n");
        ::chmod(script.c_str(), 0755);
    }
    run.write("task.ini",
              task_file_text({{run.folder / "fetch.sh", "-q news", "", "", "", "Yes"},
                              {run.folder / "report.sh", "\"daily summary\"", "", "", "", "Y"}}));
    run.write("tw.ini",
              "[Current]\r\nRun Tasks At Connect=Yes\r\nDisconnect After Last Task=Yes\r\n"
              "Save Logs=Yes\r\n");
}

void expect_one_unattended_session(const program_run& run) {
    EXPECT_EQ(run.file("ran.txt"), "fetch.sh -q news\nreport.sh daily summary\n");
    const std::string log = run.file("logs/last.log");
    std::vector<std::string> texts;  // the CR LF lines without their stamps
    for (std::size_t at = 0, end = 0; at < log.size(); at = end + 2) {
        end = std::min(log.find("\r\n", at), log.size());
        texts.push_back(end - at > 21 ? log.substr(at + 21, end - at - 21)
                                      : log.substr(at, end - at));
    }
    EXPECT_EQ(texts, std::vector<std::string>(
                         {" Dialing MyISP (pass #1)", " Connected to MyISP",
                          " Running: " + (run.folder / "fetch.sh") + " -q news",
                          " Running: " + (run.folder / "report.sh") + " \"daily summary\"",
                          " Connect time:  00:00:00", " Disconnected from MyISP", ""}));
}

}  // namespace tw::testing
