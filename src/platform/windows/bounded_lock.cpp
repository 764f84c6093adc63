#include "platform/bounded_lock.hpp"

#include <algorithm>

#include "platform/file_io.hpp"
#include "platform/path_rules.hpp"
#include "platform/windows/handle_lock.hpp"

namespace tw {

namespace {

OVERLAPPED lock_place() {
    OVERLAPPED place{};
    place.OffsetHigh = 0x7FFFFFFF;
    return place;
}

}  // namespace

bool lock_handle(HANDLE handle, std::chrono::milliseconds patience) {
    return retry_for(patience, [handle] {
        OVERLAPPED place = lock_place();
        return ::LockFileEx(handle, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                            &place) ||
               ::GetLastError() != ERROR_LOCK_VIOLATION;
    });
}

class file_lock::held {
public:
    explicit held(HANDLE handle) : handle_(handle) {}
    ~held() {
        OVERLAPPED place = lock_place();
        ::UnlockFileEx(handle_, 0, 1, 0, &place);
        ::CloseHandle(handle_);
    }
    held(const held&) = delete;
    held& operator=(const held&) = delete;

private:
    HANDLE handle_;
};

// Shared for reading, writing and deleting, so the lock keeps out only other
// lockers, and the file may be replaced while it is held.
file_lock::file_lock(const std::filesystem::path& file, std::chrono::milliseconds patience) {
    const auto give_up_at = std::chrono::steady_clock::now() + patience;
    for (;;) {
        const HANDLE handle = ::CreateFileW(file.c_str(), GENERIC_READ,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                            nullptr, OPEN_EXISTING, 0, nullptr);
        if (handle == INVALID_HANDLE_VALUE) return;
        auto lock = std::make_unique<held>(handle);
        BY_HANDLE_FILE_INFORMATION opened{};
        if (::GetFileType(handle) != FILE_TYPE_DISK ||
            !::GetFileInformationByHandle(handle, &opened))
            return;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            give_up_at - std::chrono::steady_clock::now());
        const bool locked = lock_handle(handle, std::max(left, std::chrono::milliseconds{0}));
        const file_stamp now = stamp_of(file);
        const std::uint64_t identity =
            (static_cast<std::uint64_t>(opened.nFileIndexHigh) << 32) | opened.nFileIndexLow;
        if (locked && (now == file_stamp{} ||
                       (now.device == opened.dwVolumeSerialNumber && now.identity == identity))) {
            held_ = std::move(lock);
            return;
        }
        if (!locked || std::chrono::steady_clock::now() >= give_up_at)
            throw file_error("cannot write '" + utf8_path(file) +
                             "': another program keeps it locked");
    }
}

file_lock::~file_lock() = default;

}  // namespace tw
