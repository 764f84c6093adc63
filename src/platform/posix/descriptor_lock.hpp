#pragma once

#include <chrono>

namespace tw {

// Takes flock's exclusive lock on the open file `fd`, waiting at most
// `patience` for another holder; false when it is still held then. A file
// system without locks counts as locked by this process.
bool lock_descriptor(int fd, std::chrono::milliseconds patience);

}  // namespace tw
