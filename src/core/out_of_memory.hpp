#pragma once

namespace tw {

// The exit code of a process that ran out of memory.
inline constexpr int exit_out_of_memory = 5;

// From now on, memory that cannot be had (std::bad_alloc) anywhere, even
// inside the window's event loop, ends the process with one line on standard
// error and exit_out_of_memory instead of an abort. Every file is written
// atomically, so none is left torn. Any other uncaught exception ends it as
// it did before.
void end_on_out_of_memory();

}  // namespace tw
