#include "platform/windows/windows_processes.hpp"

#include <windows.h>

#include <vector>

#include "platform/windows/wide_text.hpp"

namespace tw {

namespace {

BOOL CALLBACK close_if_owned_by(HWND window, LPARAM process_id) {
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == static_cast<DWORD>(process_id)) ::PostMessageW(window, WM_CLOSE, 0, 0);
    return TRUE;
}

// The ids of the processes in `job`, the programs a task started included.
std::vector<DWORD> processes_in(HANDLE job) {
    constexpr DWORD most = 256;
    std::vector<char> storage(sizeof(JOBOBJECT_BASIC_PROCESS_ID_LIST) + most * sizeof(ULONG_PTR));
    auto* list = reinterpret_cast<JOBOBJECT_BASIC_PROCESS_ID_LIST*>(storage.data());
    list->NumberOfAssignedProcesses = most;
    if (!::QueryInformationJobObject(job, JobObjectBasicProcessIdList, list,
                                     static_cast<DWORD>(storage.size()), nullptr))
        return {};
    return {list->ProcessIdList, list->ProcessIdList + list->NumberOfProcessIdsInList};
}

// A started program's process handle and, for a task, its job, closed with
// the object. Closing the job ends nothing: a task left running at the
// program's end runs on.
class windows_process : public process {
public:
    windows_process(HANDLE handle, HANDLE job) : handle_(handle), job_(job) {}
    ~windows_process() override {
        ::CloseHandle(handle_);
        if (job_) ::CloseHandle(job_);
    }
    windows_process(const windows_process&) = delete;
    windows_process& operator=(const windows_process&) = delete;

    bool has_ended() override { return ::WaitForSingleObject(handle_, 0) != WAIT_TIMEOUT; }
    process_end end() const override {
        DWORD code = 0;
        if (!::GetExitCodeProcess(handle_, &code) || code == STILL_ACTIVE) return {};
        return {process_end::kind::exited, static_cast<int>(code)};
    }
    // A windowed program is asked as closing its windows asks it; a console
    // program has no window to ask and is ended when its time is up.
    void ask_to_end() override {
        if (has_ended()) return;
        std::vector<DWORD> ids = job_ ? processes_in(job_) : std::vector<DWORD>{};
        if (ids.empty()) ids.push_back(::GetProcessId(handle_));
        for (const DWORD id : ids) ::EnumWindows(close_if_owned_by, id);
    }
    void terminate() override {
        if (has_ended()) return;
        if (!job_ || !::TerminateJobObject(job_, 1)) ::TerminateProcess(handle_, 1);
    }

private:
    HANDLE handle_;
    HANDLE job_;  // nullptr for a program that is no task
};

// A console child of a GUI program has no valid standard handles; only
// handles that exist and are inheritable may go into the list.
std::vector<HANDLE> inheritable_standard_handles() {
    std::vector<HANDLE> handles;
    for (DWORD which : {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE}) {
        const HANDLE h = ::GetStdHandle(which);
        DWORD flags = 0;
        if (h && h != INVALID_HANDLE_VALUE && ::GetHandleInformation(h, &flags) &&
            (flags & HANDLE_FLAG_INHERIT))
            handles.push_back(h);
    }
    return handles;
}

// The attribute list that limits inheritance to `handles`.
class handle_list {
public:
    explicit handle_list(std::vector<HANDLE> handles) : handles_(std::move(handles)) {
        if (handles_.empty()) return;
        SIZE_T size = 0;
        ::InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
        storage_.resize(size);
        auto* list = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage_.data());
        if (::InitializeProcThreadAttributeList(list, 1, 0, &size) &&
            ::UpdateProcThreadAttribute(list, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, handles_.data(),
                                        handles_.size() * sizeof(HANDLE), nullptr, nullptr))
            list_ = list;
    }
    ~handle_list() {
        if (list_) ::DeleteProcThreadAttributeList(list_);
    }
    handle_list(const handle_list&) = delete;
    handle_list& operator=(const handle_list&) = delete;

    LPPROC_THREAD_ATTRIBUTE_LIST get() const { return list_; }

private:
    std::vector<HANDLE> handles_;
    std::vector<char> storage_;
    LPPROC_THREAD_ATTRIBUTE_LIST list_ = nullptr;
};

}  // namespace

std::unique_ptr<process> windows_processes::start(const std::string& application,
                                                  const std::string& command_line) {
    return start_showing(application, command_line, std::nullopt, false);
}

std::unique_ptr<process> windows_processes::start_task(const std::string& application,
                                                       const std::string& command_line) {
    return start_showing(application, command_line, std::nullopt, true);
}

std::unique_ptr<process> windows_processes::start_minimized(const std::string& application,
                                                            const std::string& command_line) {
    return start_showing(application, command_line, SW_SHOWMINIMIZED, false);
}

// A task starts suspended, so it is in its job before it can start a program.
// Where no job can be had (the program's own job allows none), the task
// runs without one.
std::unique_ptr<process> windows_processes::start_showing(const std::string& application,
                                                          const std::string& command_line,
                                                          std::optional<int> show, bool own_job) {
    const std::wstring program = widen(application);
    std::wstring line = L"\"" + program + L"\"" + widen(command_line);

    const handle_list inherited(inheritable_standard_handles());
    STARTUPINFOEXW startup{};
    startup.StartupInfo.cb = sizeof startup;
    startup.lpAttributeList = inherited.get();
    if (show) {
        startup.StartupInfo.dwFlags = STARTF_USESHOWWINDOW;
        startup.StartupInfo.wShowWindow = static_cast<WORD>(*show);
    }
    PROCESS_INFORMATION started{};
    const DWORD flags =
        (inherited.get() ? EXTENDED_STARTUPINFO_PRESENT : 0) | (own_job ? CREATE_SUSPENDED : 0);
    if (!::CreateProcessW(program.c_str(), line.data(), nullptr, nullptr,
                          inherited.get() != nullptr, flags, nullptr, nullptr, &startup.StartupInfo,
                          &started))
        return nullptr;
    HANDLE job = own_job ? ::CreateJobObjectW(nullptr, nullptr) : nullptr;
    if (job && !::AssignProcessToJobObject(job, started.hProcess)) {
        ::CloseHandle(job);
        job = nullptr;
    }
    if (own_job) ::ResumeThread(started.hThread);
    ::CloseHandle(started.hThread);
    // Lets a windowed program finish starting before the next one does, as
    // the launcher always did; bounded, and harmless for a console program.
    ::WaitForInputIdle(started.hProcess, 5000);
    return std::make_unique<windows_process>(started.hProcess, job);
}

}  // namespace tw
