#include "unattended_folder.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>

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
    std::vector<std::string> texts;  // without stamps and line ends
    std::istringstream log(run.file("logs/last.log"));
    for (std::string line; std::getline(log, line);)
        texts.push_back(line.size() > 21 ? line.substr(21, line.size() - 22) : "");
    EXPECT_EQ(texts, std::vector<std::string>(
                         {" Dialing MyISP (pass #1)", " Connected to MyISP",
                          " Running: " + (run.folder / "fetch.sh") + " -q news",
                          " Running: " + (run.folder / "report.sh") + " \"daily summary\"",
                          " Connect time:  00:00:00", " Disconnected from MyISP", ""}));
}

}  // namespace tw::testing
