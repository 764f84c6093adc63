#pragma once

namespace tw {

class program;
class file_too_large;

// Tells the user, in log.txt and in a message, that a file is too large to
// be one of the program's: it is not read, the program goes on without it,
// and it is never written over.
void report_too_large_file(program& p, const file_too_large& error);

}  // namespace tw
