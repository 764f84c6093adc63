#include "unattended_folder.hpp"

#include <sys/stat.h>

namespace tw::testing {

void prepare_unattended_run(program_run& run) {
    run.write("ras/rasphone.pbk", "[MyISP]\r\nSimulatedConnectSeconds=1\r\n");
    for (const char* name : {"fetch.sh", "report.sh"}) {
        const std::string script = run.folder / name;
        write_file(script, "#!/bin/sh\necho \"" + std::string(name) + " $*\" >> \"" +
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

std::vector<std::string> unattended_session_log(const program_run& run) {
    return {" Dialing MyISP (pass #1)",
            " Connected to MyISP",
            " Running: " + (run.folder / "fetch.sh") + " -q news",
            " Running: " + (run.folder / "report.sh") + " \"daily summary\"",
            " Connect time:  00:00:00",
            " Disconnected from MyISP",
            ""};
}

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

}  // namespace tw::testing
