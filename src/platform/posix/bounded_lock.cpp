#include "platform/bounded_lock.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/file_io.hpp"
#include "platform/posix/descriptor_lock.hpp"
#include "platform/posix/unique_fd.hpp"

namespace tw {

bool lock_descriptor(int fd, std::chrono::milliseconds patience) {
    return retry_for(patience, [fd] {
        return ::flock(fd, LOCK_EX | LOCK_NB) == 0 || (errno != EWOULDBLOCK && errno != EINTR);
    });
}

class file_lock::held {
public:
    explicit held(unique_fd fd) : fd_(std::move(fd)) {}

private:
    unique_fd fd_;  // closing it releases the lock
};

namespace {

bool same_file(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

// Locked through a descriptor for reading, which a read-only file allows too.
// O_NONBLOCK: a FIFO in the file's place must not hang the open.
file_lock::file_lock(const std::filesystem::path& file, std::chrono::milliseconds patience) {
    const auto give_up_at = std::chrono::steady_clock::now() + patience;
    for (;;) {
        unique_fd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
        struct stat opened {};
        if (fd.get() < 0 || ::fstat(fd.get(), &opened) != 0 || !S_ISREG(opened.st_mode)) return;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            give_up_at - std::chrono::steady_clock::now());
        const bool locked = lock_descriptor(fd.get(), std::max(left, std::chrono::milliseconds{0}));
        struct stat now {};
        if (locked && (::stat(file.c_str(), &now) != 0 || same_file(now, opened))) {
            held_ = std::make_unique<held>(std::move(fd));
            return;
        }
        if (!locked || std::chrono::steady_clock::now() >= give_up_at)
            throw file_error("cannot write '" + file.string() +
                             "': another program keeps it locked");
    }
}

file_lock::~file_lock() = default;

}  // namespace tw
