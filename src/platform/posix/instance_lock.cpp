#include "platform/instance_lock.hpp"

#include <fcntl.h>

#include "platform/path_rules.hpp"
#include "platform/posix/descriptor_lock.hpp"
#include "platform/posix/unique_fd.hpp"

namespace tw {

namespace {

// The kernel lets flock's lock go when the last descriptor closes, also
// when the process is killed. Tasks never inherit it (O_CLOEXEC).
class posix_instance_lock : public instance_lock {
public:
    explicit posix_instance_lock(unique_fd fd) : fd_(std::move(fd)) {}

private:
    unique_fd fd_;
};

}  // namespace

std::unique_ptr<instance_lock> take_instance_lock(const std::string& folder,
                                                  std::chrono::milliseconds patience) {
    const std::string file = native_paths().join(folder, instance_lock_file);
    unique_fd fd(::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0600));
    if (fd.get() >= 0 && !lock_descriptor(fd.get(), patience)) return nullptr;
    return std::make_unique<posix_instance_lock>(std::move(fd));
}

}  // namespace tw
