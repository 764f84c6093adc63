#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>

namespace tw {

// How long the program waits for a lock that another process holds: long
// enough for another instance to end a write, short enough that a lock left
// held (a stuck program, "flock FILE sleep 600") never hangs the program, so
// a termination signal is acted on soon.
inline constexpr std::chrono::milliseconds lock_patience{2000};

// Calls `attempt` until it returns true or `patience` has passed, a few
// milliseconds apart; true when it succeeded. Every lock the program takes
// waits this way, never without a bound.
bool retry_for(std::chrono::milliseconds patience, const std::function<bool()>& attempt);

// An exclusive lock on a file for one read-merge-write, which other
// instances of the program (and tools that lock as it does: flock(1) on
// POSIX) respect. A file replaced by another writer while this one waited is
// locked afresh, so the lock always covers the file the path names now. A
// missing file, or one that cannot be opened, is not locked: its read or
// write reports its own error. Released when the object goes.
class file_lock {
public:
    // Throws file_error when another process holds the lock past `patience`.
    file_lock(const std::filesystem::path& file, std::chrono::milliseconds patience);
    ~file_lock();
    file_lock(const file_lock&) = delete;
    file_lock& operator=(const file_lock&) = delete;

private:
    class held;  // the system's side, one per OS
    std::unique_ptr<held> held_;
};

}  // namespace tw
