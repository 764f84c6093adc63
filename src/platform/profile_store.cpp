#include "platform/profile_store.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <system_error>
#include <utility>

namespace tw {
namespace {

// Closes the descriptor on every way out, errors included.
class unique_fd {
public:
    explicit unique_fd(int fd) : fd_(fd) {}
    unique_fd(const unique_fd&) = delete;
    unique_fd& operator=(const unique_fd&) = delete;
    ~unique_fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

private:
    int fd_;
};

profile_error failure(std::string_view doing, const std::filesystem::path& file, int error) {
    return profile_error(std::string("cannot ")
                             .append(doing)
                             .append(" '")
                             .append(file.string())
                             .append("': ")
                             .append(std::system_category().message(error)));
}

// The store's stamp type is private to it; taking it as a parameter keeps it unnamed here.
template <class stamp_type>
stamp_type stamp_of(const struct stat& info) {
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::int64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

// The file's bytes and stat, or nullopt when there is no file.
std::optional<std::string> read_file(const std::filesystem::path& file, struct stat& info) {
    // O_NONBLOCK: a FIFO put in the file's place must not hang the reader.
    const unique_fd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.get() < 0 && (errno == ENOENT || errno == ENOTDIR)) return std::nullopt;
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) throw failure("read", file, errno);
    if (!S_ISREG(info.st_mode))
        throw failure("read", file, S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        const auto got = ::read(fd.get(), buffer, sizeof buffer);
        if (got == 0) return bytes;
        if (got > 0) {
            bytes.append(buffer, static_cast<std::size_t>(got));
        } else if (errno != EINTR) {
            throw failure("read", file, errno);
        }
    }
}

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

// Writes a temp file beside `file`, flushes it to disk and renames it over `file`, so
// readers and crashes see the old bytes or the new, never a mix. Returns the new file's stat.
struct stat replace_file(const std::filesystem::path& file, std::string_view bytes) {
    // A read-only file stays unchanged, though the folder would allow the rename.
    if (::access(file.c_str(), W_OK) != 0 && errno != ENOENT) throw failure("write", file, errno);
    static std::atomic<unsigned> serial{0};
    const std::string temp =
        file.native() + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(serial++);
    unique_fd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (fd.get() < 0) throw failure("create a temporary file for", file, errno);
    try {
        struct stat info {};
        // Keeping the old permissions is best effort: some file systems have none.
        if (::stat(file.c_str(), &info) == 0) ::fchmod(fd.get(), info.st_mode & 07777);
        write_all(fd.get(), bytes, file);
        if (::fsync(fd.get()) != 0 || ::fstat(fd.get(), &info) != 0 || ::close(fd.release()) != 0) {
            throw failure("flush", file, errno);
        }
        if (::rename(temp.c_str(), file.c_str()) != 0) throw failure("replace", file, errno);
        return info;
    } catch (...) {
        ::unlink(temp.c_str());
        throw;
    }
}

}  // namespace

std::string profile_store::read(const std::filesystem::path& file, std::string_view section,
                                std::string_view key) {
    std::string value;
    view(file, [&](const ini_document& document) { value = document.read(section, key); });
    return value;
}

void profile_store::view(const std::filesystem::path& file,
                         const std::function<void(const ini_document&)>& look) {
    const std::lock_guard lock(mutex_);
    static const ini_document empty;
    const ini_document* document = &empty;
    try {
        document = &load(file).document;
    } catch (const profile_error&) {
    }
    look(*document);
}

void profile_store::write(const std::filesystem::path& file, std::string_view section,
                          std::string_view key, const std::optional<std::string>& value) {
    update(file, [&](ini_document& document) { return document.write(section, key, value); });
}

void profile_store::batch(const std::filesystem::path& file,
                          const std::function<void(ini_document&)>& edit) {
    update(file, [&](ini_document& document) {
        const std::string before = document.bytes();
        edit(document);
        return document.bytes() != before;
    });
}

// The cached document while stat() reports the file unchanged, else the file read afresh.
// Throws profile_error when the file exists but cannot be read.
profile_store::cached_file& profile_store::load(const std::filesystem::path& file) {
    struct stat info {};
    const auto now = ::stat(file.c_str(), &info) == 0 ? stamp_of<file_stamp>(info) : file_stamp{};
    const auto found = cache_.find(file.native());
    if (found != cache_.end() && found->second.stamp == now) return found->second;
    auto bytes = read_file(file, info);
    cached_file fresh{bytes ? stamp_of<file_stamp>(info) : file_stamp{},
                      ini_document(std::move(bytes).value_or(std::string()))};
    return cache_.insert_or_assign(file.native(), std::move(fresh)).first->second;
}

// Runs `edit` on the file's document and, when it reports a change, replaces the file.
void profile_store::update(const std::filesystem::path& file,
                           const std::function<bool(ini_document&)>& edit) {
    const std::lock_guard lock(mutex_);
    cached_file& cached = load(file);
    try {
        if (edit(cached.document)) {
            cached.stamp = stamp_of<file_stamp>(replace_file(file, cached.document.bytes()));
        }
    } catch (...) {
        cache_.erase(file.native());  // the document may hold edits the disk does not
        throw;
    }
}

}  // namespace tw
