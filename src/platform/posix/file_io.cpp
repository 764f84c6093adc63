#include "platform/file_io.hpp"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <system_error>
#include <utility>

#include "platform/bounded_lock.hpp"
#include "platform/posix/descriptor_lock.hpp"
#include "platform/posix/unique_fd.hpp"
#include "platform/temp_files.hpp"

namespace tw {
namespace {

file_error failure(std::string_view doing, const std::filesystem::path& file, int error) {
    return file_error(std::string("cannot ")
                          .append(doing)
                          .append(" '")
                          .append(file.string())
                          .append("': ")
                          .append(std::system_category().message(error)));
}

std::int64_t nanoseconds(const struct timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

file_stamp stamp_from(const struct stat& info) {
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::int64_t>(info.st_size), nanoseconds(info.st_mtim),
            nanoseconds(info.st_ctim)};
}

}  // namespace

bool is_readable_file(const std::filesystem::path& file) {
    const unique_fd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    return fd.get() >= 0 && ::fstat(fd.get(), &info) == 0 && S_ISREG(info.st_mode);
}

file_stamp stamp_of(const std::filesystem::path& file) {
    struct stat info {};
    return ::stat(file.c_str(), &info) == 0 ? stamp_from(info) : file_stamp{};
}

std::optional<std::string> read_whole_file(const std::filesystem::path& file, file_stamp& stamp) {
    struct stat info {};
    // O_NONBLOCK: a FIFO put in the file's place must not hang the reader.
    const unique_fd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0 && (errno == ENOENT || errno == ENOTDIR)) return std::nullopt;
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) throw failure("read", file, errno);
    if (!S_ISREG(info.st_mode))
        throw failure("read", file, S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
    if (info.st_size > max_file_bytes) throw file_too_large(file);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        const auto got = ::read(fd.get(), buffer, sizeof buffer);
        if (got == 0) {
            stamp = stamp_from(info);
            return bytes;
        }
        if (got > 0) {
            bytes.append(buffer, static_cast<std::size_t>(got));
            if (static_cast<std::int64_t>(bytes.size()) > max_file_bytes)
                throw file_too_large(file);  // it grew while being read
        } else if (errno != EINTR) {
            throw failure("read", file, errno);
        }
    }
}

namespace {

void write_all(int fd, std::string_view bytes, const std::filesystem::path& file) {
    while (!bytes.empty()) {
        const auto put = ::write(fd, bytes.data(), bytes.size());
        if (put >= 0) {
            bytes.remove_prefix(static_cast<std::size_t>(put));
        } else if (errno != EINTR) {
            throw failure("write", file, errno);
        }
    }
}

file_error not_a_file(std::string_view doing, const std::filesystem::path& file) {
    return file_error(std::string("cannot ")
                          .append(doing)
                          .append(" '")
                          .append(file.string())
                          .append("': not a regular file"));
}

// The file a chain of symbolic links ends at (it may not exist yet); `file`
// itself when it is no link. A loop ends after 40 links, where any open
// reports it.
std::filesystem::path link_target(std::filesystem::path file) {
    std::error_code error;
    for (int hops = 0; hops < 40 && std::filesystem::is_symlink(file, error); ++hops) {
        const auto target = std::filesystem::read_symlink(file, error);
        if (error) break;
        file = target.is_absolute() ? target : file.parent_path() / target;
    }
    return file;
}

bool is_gone(std::uint64_t pid) {
    return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// The bytes after the last line feed of the open file of `size` bytes.
file_end end_of(int fd, off_t size, const std::filesystem::path& file) {
    const off_t from = std::max<off_t>(0, size - last_line_bytes);
    std::string tail(static_cast<std::size_t>(size - from), '\0');
    for (std::size_t got = 0; got < tail.size();) {
        const auto read =
            ::pread(fd, tail.data() + got, tail.size() - got, from + static_cast<off_t>(got));
        if (read > 0)
            got += static_cast<std::size_t>(read);
        else if (read == 0 || errno != EINTR)
            throw failure("read", file, read == 0 ? EIO : errno);
    }
    return file_end_from_tail(tail, size == 0);
}

}  // namespace

void append_to_file(const std::filesystem::path& file,
                    const std::function<std::string(const file_end& end)>& bytes_for) {
    // Read too, for the last line. O_NONBLOCK: a FIFO in the file's place
    // must not hang the writer.
    const unique_fd fd(
        ::open(file.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) throw failure("write", file, errno);
    if (!S_ISREG(info.st_mode)) throw not_a_file("write", file);
    if (!lock_descriptor(fd.get(), lock_patience))
        throw file_error("cannot write '" + file.string() + "': another program keeps it locked");
    if (::fstat(fd.get(), &info) != 0) throw failure("write", file, errno);
    const std::string bytes = bytes_for(end_of(fd.get(), info.st_size, file));
    try {
        write_all(fd.get(), bytes, file);
    } catch (const file_error&) {
        [[maybe_unused]] const int ignored = ::ftruncate(fd.get(), info.st_size);
        throw;
    }
}

void remove_stale_temp_files(const std::filesystem::path& link_or_file) {
    const auto file = link_target(link_or_file);
    const std::string name = file.filename().native();
    const auto folder = file.parent_path().empty() ? "." : file.parent_path();
    std::error_code error;
    for (std::filesystem::directory_iterator at(folder, error), end; !error && at != end;
         at.increment(error))
        if (is_gone(temp_file_writer(name, at->path().filename().native())))
            ::unlink(at->path().c_str());
}

// A link stays and its target is replaced, in the target's folder: the link
// is how the user keeps the file elsewhere.
file_stamp replace_file(const std::filesystem::path& link_or_file, std::string_view bytes) {
    const auto file = link_target(link_or_file);
    // A read-only file stays unchanged, though the folder would allow the rename.
    if (::access(file.c_str(), W_OK) != 0 && errno != ENOENT) throw failure("write", file, errno);
    // A name already taken (left by an earlier process with this pid) is skipped.
    static std::atomic<unsigned> serial{0};
    std::string temp;
    int opened = -1;
    do {
        temp = temp_file_name(file.native(), static_cast<std::uint64_t>(::getpid()), serial++);
        opened = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    } while (opened < 0 && errno == EEXIST);
    unique_fd fd(opened);
    if (fd.get() < 0) throw failure("create a temporary file for", file, errno);
    try {
        struct stat info {};
        // Keeping the old owner and permissions is best effort: only root may
        // give a file away, and some file systems have neither. The owner
        // goes first, as a change of owner may clear the set-id bits.
        if (::stat(file.c_str(), &info) == 0) {
            [[maybe_unused]] const int kept = ::fchown(fd.get(), info.st_uid, info.st_gid);
            ::fchmod(fd.get(), info.st_mode & 07777);
        }
        write_all(fd.get(), bytes, file);
        if (::fsync(fd.get()) != 0 || ::close(fd.release()) != 0) {
            throw failure("flush", file, errno);
        }
        if (::rename(temp.c_str(), file.c_str()) != 0) throw failure("replace", file, errno);
        remove_stale_temp_files(file);
        // Looked at after the rename, which changes the file's change time.
        return stamp_of(file);
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
}

}  // namespace tw
