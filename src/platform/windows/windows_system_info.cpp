#include "platform/windows/windows_system_info.hpp"

#include <windows.h>

#include <cstdlib>
#include <filesystem>

#include "platform/shipped_files.hpp"
#include "platform/windows/wide_text.hpp"

namespace tw {

namespace {

std::filesystem::path executable_folder() {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0) return std::filesystem::current_path();
        if (length < name.size())
            return std::filesystem::path(name.substr(0, length)).parent_path();
        name.resize(name.size() * 2);
    }
}

// Folder permissions are ACLs, which no attribute shows: try to create a file.
bool can_write_in(const std::filesystem::path& folder) {
    const HANDLE probe =
        ::CreateFileW((folder / L"tarnwick-write-probe.tmp").c_str(), GENERIC_WRITE, 0, nullptr,
                      CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (probe == INVALID_HANDLE_VALUE) return false;
    ::CloseHandle(probe);
    return true;
}

std::filesystem::path user_folder() {
    const wchar_t* appdata = ::_wgetenv(L"APPDATA");
    const std::filesystem::path base = appdata && *appdata ? std::filesystem::path(appdata)
                                                           : std::filesystem::temp_directory_path();
    return base / L"Tarnwick";
}

}  // namespace

std::string windows_system_directory() {
    wchar_t folder[MAX_PATH];
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? narrow({folder, length})
                                           : std::string("C:\\Windows\\System32");
}

windows_system_info::windows_system_info() {
    const std::filesystem::path executable = executable_folder();
    const std::filesystem::path folder = can_write_in(executable) ? executable : user_folder();
    program_folder_ = narrow(folder.native());
    const shipped_files shipped = find_shipped_files(executable);
    help_page_ =
        narrow((shipped.help_page.empty() ? folder / help_page_name : shipped.help_page).native());
}

std::string windows_system_info::home_folder() const {
    const wchar_t* profile = ::_wgetenv(L"USERPROFILE");
    return profile && *profile ? narrow(profile) : program_folder_;
}

}  // namespace tw
