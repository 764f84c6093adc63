#pragma once

#include <windows.h>

#include <chrono>

namespace tw {

// Takes an exclusive lock on the open file `handle`, waiting at most
// `patience` for another holder; false when it is still held then. The lock
// covers one byte far past any end of file, so it keeps other lockers out
// without keeping anyone from reading or writing the file. A file system
// without locks counts as locked by this process.
bool lock_handle(HANDLE handle, std::chrono::milliseconds patience);

}  // namespace tw
