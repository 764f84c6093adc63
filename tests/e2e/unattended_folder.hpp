#pragma once

#include "program_run.hpp"

namespace tw::testing {

// The folder of a run prepared as a user would leave it: a phone book whose
// MyISP answers after a second, two tasks that append their arguments to
// ran.txt, and the options of an unattended run.
void prepare_unattended_run(program_run& run);

// Both tasks ran, and last.log holds the one session of the prepared folder.
void expect_one_unattended_session(const program_run& run);

}  // namespace tw::testing
