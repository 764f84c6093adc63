#include "platform/instance_lock.hpp"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>

#include "platform/bounded_lock.hpp"
#include "platform/path_rules.hpp"

namespace tw {

namespace {

// A mutex is its owner thread's again at each wait, so the names this
// process holds are kept here: a second lock of one folder is refused in
// the same process too, as flock refuses it.
std::set<std::wstring>& names_held() {
    static std::set<std::wstring> names;
    return names;
}

// The system lets a mutex go, abandoned, when its owner ends.
class windows_instance_lock : public instance_lock {
public:
    windows_instance_lock(HANDLE mutex, std::wstring name) : mutex_(mutex), name_(std::move(name)) {
        names_held().insert(name_);
    }
    ~windows_instance_lock() override {
        names_held().erase(name_);
        if (!mutex_) return;
        ::ReleaseMutex(mutex_);
        ::CloseHandle(mutex_);
    }
    windows_instance_lock(const windows_instance_lock&) = delete;
    windows_instance_lock& operator=(const windows_instance_lock&) = delete;

private:
    HANDLE mutex_;
    std::wstring name_;
};

// One name per folder, however it is spelt: a mutex name holds no '\' and
// at most MAX_PATH characters, so the full path in lower case is hashed.
std::wstring mutex_name(const std::string& folder) {
    std::error_code error;
    std::wstring path = std::filesystem::absolute(file_path(folder), error).lexically_normal();
    while (path.size() > 3 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
    ::CharLowerBuffW(path.data(), static_cast<DWORD>(path.size()));
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a
    for (const wchar_t c : path) hash = (hash ^ static_cast<std::uint16_t>(c)) * 1099511628211ull;
    wchar_t name[64];
    std::swprintf(name, 64, L"Local\\Tarnwick-%016llx", static_cast<unsigned long long>(hash));
    return name;
}

}  // namespace

std::unique_ptr<instance_lock> take_instance_lock(const std::string& folder,
                                                  std::chrono::milliseconds patience) {
    std::wstring name = mutex_name(folder);
    if (names_held().contains(name)) return nullptr;
    const HANDLE mutex = ::CreateMutexW(nullptr, FALSE, name.c_str());
    if (!mutex) return std::make_unique<windows_instance_lock>(nullptr, std::move(name));
    const bool owned = retry_for(patience, [mutex] {
        const DWORD result = ::WaitForSingleObject(mutex, 0);
        return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
    });
    if (owned) return std::make_unique<windows_instance_lock>(mutex, std::move(name));
    ::CloseHandle(mutex);
    return nullptr;
}

}  // namespace tw
