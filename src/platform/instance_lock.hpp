#pragma once

#include <chrono>
#include <memory>
#include <string>

namespace tw {

// On POSIX the lock is taken on this file of the program folder.
inline constexpr const char* instance_lock_file = "tarnwick.lock";

// Held by the one instance of the program that runs on a program folder: two
// would both run the schedule, dial twice and write the same files. The
// system lets it go when the process ends, however it ends.
class instance_lock {
public:
    virtual ~instance_lock() = default;
};

// The lock of `folder`; nullptr when another instance keeps it past
// `patience`. A folder where no lock can be made (a file system without
// locks) gets one that holds nothing, so the program still starts.
std::unique_ptr<instance_lock> take_instance_lock(const std::string& folder,
                                                  std::chrono::milliseconds patience);

}  // namespace tw
