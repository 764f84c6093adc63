#include "platform/file_io.hpp"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <system_error>
#include <utility>

#include "platform/bounded_lock.hpp"
#include "platform/temp_files.hpp"
#include "platform/windows/handle_lock.hpp"
#include "platform/windows/wide_text.hpp"

namespace tw {
namespace {

// Closes the handle on every way out, errors included.
class unique_handle {
public:
    explicit unique_handle(HANDLE handle) : handle_(handle) {}
    unique_handle(const unique_handle&) = delete;
    unique_handle& operator=(const unique_handle&) = delete;
    ~unique_handle() {
        if (valid()) ::CloseHandle(handle_);
    }
    HANDLE get() const { return handle_; }
    HANDLE release() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

file_error failure(std::string_view doing, const std::filesystem::path& file,
                   std::error_code error) {
    return file_error(std::string("cannot ")
                          .append(doing)
                          .append(" '")
                          .append(narrow(file.native()))
                          .append("': ")
                          .append(error.message()));
}

file_error failure(std::string_view doing, const std::filesystem::path& file, DWORD error) {
    return failure(doing, file, std::error_code(static_cast<int>(error), std::system_category()));
}

// 100 ns ticks since 1601 become nanoseconds since 1970, which fit 64 bits.
std::int64_t unix_nanoseconds(FILETIME time) {
    constexpr std::int64_t ticks_1601_to_1970 = 116'444'736'000'000'000;
    const auto ticks = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
    return (ticks - ticks_1601_to_1970) * 100;
}

file_stamp stamp_from(const BY_HANDLE_FILE_INFORMATION& info) {
    return {info.dwVolumeSerialNumber,
            (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow,
            static_cast<std::int64_t>((static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) |
                                      info.nFileSizeLow),
            unix_nanoseconds(info.ftLastWriteTime)};
}

// Another program (a virus scanner, an indexer) may hold the file open for a
// moment without sharing it; such a hold is waited out, as a lock is.
template <class Attempt>
bool with_retries(Attempt attempt) {
    bool succeeded = false;
    DWORD error = 0;
    retry_for(lock_patience, [&] {
        succeeded = attempt();
        if (succeeded) return true;
        error = ::GetLastError();
        return error != ERROR_SHARING_VIOLATION && error != ERROR_LOCK_VIOLATION;
    });
    if (!succeeded) ::SetLastError(error);
    return succeeded;
}

HANDLE open_for_reading(const std::filesystem::path& file) {
    HANDLE handle = INVALID_HANDLE_VALUE;
    with_retries([&] {
        handle = ::CreateFileW(file.c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        return handle != INVALID_HANDLE_VALUE;
    });
    return handle;
}

bool is_missing(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

}  // namespace

bool is_readable_file(const std::filesystem::path& file) {
    // A folder cannot be opened this way; a device or a pipe is no disk file.
    const unique_handle handle(open_for_reading(file));
    return handle.valid() && ::GetFileType(handle.get()) == FILE_TYPE_DISK;
}

// The change time is left at zero: the stamp's identity, size and write time
// tell versions apart here.
file_stamp stamp_of(const std::filesystem::path& file) {
    // No access rights asked: reading the attributes works even on a file held open.
    const unique_handle handle(::CreateFileW(file.c_str(), 0,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                             nullptr, OPEN_EXISTING, 0, nullptr));
    BY_HANDLE_FILE_INFORMATION info{};
    return handle.valid() && ::GetFileInformationByHandle(handle.get(), &info) ? stamp_from(info)
                                                                               : file_stamp{};
}

std::optional<std::string> read_whole_file(const std::filesystem::path& file, file_stamp& stamp) {
    const unique_handle handle(open_for_reading(file));
    if (!handle.valid()) {
        const DWORD error = ::GetLastError();
        if (is_missing(error)) return std::nullopt;
        throw failure("read", file, error);
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(handle.get(), &info))
        throw failure("read", file, ::GetLastError());
    if (stamp_from(info).size > max_file_bytes) throw file_too_large(file);
    std::string bytes;
    bytes.reserve(info.nFileSizeLow);
    char buffer[1 << 16];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(handle.get(), buffer, sizeof buffer, &got, nullptr))
            throw failure("read", file, ::GetLastError());
        if (got == 0) break;
        bytes.append(buffer, got);
        if (static_cast<std::int64_t>(bytes.size()) > max_file_bytes)
            throw file_too_large(file);  // it grew while being read
    }
    stamp = stamp_from(info);
    return bytes;
}

namespace {

void write_all(HANDLE handle, std::string_view bytes, const std::filesystem::path& file) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD put = 0;
        if (!::WriteFile(handle, bytes.data(), chunk, &put, nullptr))
            throw failure("write", file, ::GetLastError());
        bytes.remove_prefix(put);
    }
}

// ReplaceFileW keeps the target's ACLs, attributes and identity for other
// programs; a new file is moved in place, through the disk cache.
bool move_over(const std::filesystem::path& temp, const std::filesystem::path& file) {
    if (::GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES &&
        ::ReplaceFileW(file.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                       nullptr, nullptr))
        return true;
    return ::MoveFileExW(temp.c_str(), file.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
}

// The file a symbolic link (or another reparse point) leads to; `file` itself
// when it is none or leads nowhere.
std::filesystem::path link_target(const std::filesystem::path& file) {
    const DWORD attributes = ::GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return file;
    const unique_handle handle(::CreateFileW(file.c_str(), 0,
                                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                             nullptr, OPEN_EXISTING, 0, nullptr));
    if (!handle.valid()) return file;
    std::wstring target(MAX_PATH, L'\0');
    DWORD length = ::GetFinalPathNameByHandleW(handle.get(), target.data(),
                                               static_cast<DWORD>(target.size()), 0);
    if (length >= target.size()) {
        target.resize(length);
        length = ::GetFinalPathNameByHandleW(handle.get(), target.data(),
                                             static_cast<DWORD>(target.size()), 0);
    }
    if (length == 0 || length >= target.size()) return file;
    target.resize(length);
    return target;
}

// A writer that no longer runs; a pid that is not ours to open counts as running.
bool is_gone(std::uint64_t pid) {
    if (pid == 0 || pid > MAXDWORD) return false;
    const HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    if (!process) return ::GetLastError() == ERROR_INVALID_PARAMETER;
    const bool ended = ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    ::CloseHandle(process);
    return ended;
}

// The bytes after the last line feed of the open file of `size` bytes.
file_end end_of(HANDLE handle, std::int64_t size, const std::filesystem::path& file) {
    LARGE_INTEGER from{};
    from.QuadPart = std::max<std::int64_t>(0, size - last_line_bytes);
    std::string tail(static_cast<std::size_t>(size - from.QuadPart), '\0');
    DWORD got = 0;
    if (!tail.empty() &&
        (!::SetFilePointerEx(handle, from, nullptr, FILE_BEGIN) ||
         !::ReadFile(handle, tail.data(), static_cast<DWORD>(tail.size()), &got, nullptr)))
        throw failure("read", file, ::GetLastError());
    tail.resize(got);
    return file_end_from_tail(tail, size == 0);
}

}  // namespace

// Shared for writing, as the lock keeps appends of other instances apart.
void append_to_file(const std::filesystem::path& file,
                    const std::function<std::string(const file_end& end)>& bytes_for) {
    HANDLE opened = INVALID_HANDLE_VALUE;
    with_retries([&] {
        opened = ::CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        return opened != INVALID_HANDLE_VALUE;
    });
    const unique_handle handle(opened);
    if (!handle.valid()) throw failure("write", file, ::GetLastError());
    if (::GetFileType(handle.get()) != FILE_TYPE_DISK)
        throw failure("write", file, std::make_error_code(std::errc::invalid_argument));
    if (!lock_handle(handle.get(), lock_patience))
        throw file_error("cannot write '" + narrow(file.native()) +
                         "': another program keeps it locked");
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(handle.get(), &size)) throw failure("write", file, ::GetLastError());
    const std::string bytes = bytes_for(end_of(handle.get(), size.QuadPart, file));
    if (!::SetFilePointerEx(handle.get(), size, nullptr, FILE_BEGIN))
        throw failure("write", file, ::GetLastError());
    try {
        write_all(handle.get(), bytes, file);
    } catch (const file_error&) {
        ::SetFilePointerEx(handle.get(), size, nullptr, FILE_BEGIN);
        ::SetEndOfFile(handle.get());
        throw;
    }
}

void remove_stale_temp_files(const std::filesystem::path& link_or_file) {
    const auto file = link_target(link_or_file);
    const std::string name = narrow(file.filename().native());
    const auto folder = file.parent_path().empty() ? L"." : file.parent_path();
    std::error_code error;
    for (std::filesystem::directory_iterator at(folder, error), end; !error && at != end;
         at.increment(error))
        if (is_gone(temp_file_writer(name, narrow(at->path().filename().native()))))
            ::DeleteFileW(at->path().c_str());
}

// A link stays and its target is replaced, in the target's folder. Access
// here follows the file's ACL, which ReplaceFileW keeps, so whoever could
// write the file before still can.
file_stamp replace_file(const std::filesystem::path& link_or_file, std::string_view bytes) {
    const auto file = link_target(link_or_file);
    const DWORD attributes = ::GetFileAttributesW(file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        throw failure("write", file, ERROR_ACCESS_DENIED);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        throw failure("replace", file, std::make_error_code(std::errc::is_a_directory));
    // A name already taken (left by an earlier process with this pid) is skipped.
    static std::atomic<unsigned> serial{0};
    std::filesystem::path temp;
    HANDLE opened = INVALID_HANDLE_VALUE;
    do {
        temp = file.parent_path() / widen(temp_file_name(narrow(file.filename().native()),
                                                         ::GetCurrentProcessId(), serial++));
        opened = ::CreateFileW(temp.c_str(), GENERIC_WRITE, FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    } while (opened == INVALID_HANDLE_VALUE && ::GetLastError() == ERROR_FILE_EXISTS);
    unique_handle handle(opened);
    if (!handle.valid()) throw failure("create a temporary file for", file, ::GetLastError());
    try {
        write_all(handle.get(), bytes, file);
        if (!::FlushFileBuffers(handle.get())) throw failure("flush", file, ::GetLastError());
    } catch (...) {
        ::DeleteFileW(temp.c_str());  // deleted once the handle closes
        throw;
    }
    ::CloseHandle(handle.release());
    if (!with_retries([&] { return move_over(temp, file); })) {
        const DWORD error = ::GetLastError();
        ::DeleteFileW(temp.c_str());
        throw failure("replace", file, error);
    }
    remove_stale_temp_files(file);
    return stamp_of(file);
}

}  // namespace tw
