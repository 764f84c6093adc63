#pragma once

#include <string>
#include <vector>

#include "program_run.hpp"

namespace tw::testing {

// The folder of a run prepared as a user would leave it: a phone book whose
// MyISP answers after a second, two tasks that append their arguments to
// ran.txt, and the options of an unattended run.
void prepare_unattended_run(program_run& run);

// What ran.txt holds after both tasks ran.
inline constexpr const char* both_tasks_ran = "fetch.sh -q news\nreport.sh daily summary\n";

// The texts of last.log after one unattended session of the prepared folder.
std::vector<std::string> unattended_session_log(const program_run& run);

// The texts of a log file in order, stamps removed.
std::vector<std::string> log_texts(const std::string& log);

}  // namespace tw::testing
