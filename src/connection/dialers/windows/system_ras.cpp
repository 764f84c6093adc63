#include "connection/dialers/windows/system_ras.hpp"

#include <ras.h>
#include <raserror.h>
#include <windows.h>

#include <iterator>
#include <map>
#include <mutex>

#include "platform/windows/wide_text.hpp"

namespace tw {

namespace {

// The functions of rasapi32.dll the dialer calls, found once it is loaded.
struct ras_library {
    decltype(&::RasEnumEntriesW) enum_entries = nullptr;
    decltype(&::RasGetEntryDialParamsW) get_entry_dial_params = nullptr;
    decltype(&::RasDialW) dial = nullptr;
    decltype(&::RasGetConnectStatusW) get_connect_status = nullptr;
    decltype(&::RasHangUpW) hang_up = nullptr;
    decltype(&::RasEnumConnectionsW) enum_connections = nullptr;
    // Not needed to dial: without them a failure has no text, a line no counts.
    decltype(&::RasGetErrorStringW) get_error_string = nullptr;
    decltype(&::RasGetConnectionStatistics) get_connection_statistics = nullptr;

    bool complete() const {
        return enum_entries && get_entry_dial_params && dial && get_connect_status && hang_up &&
               enum_connections;
    }
};

template <class Function>
void find(HMODULE library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(library, name)));
}

// Loaded for the life of the process; only from the system's own folder.
const ras_library& ras() {
    static const ras_library loaded = [] {
        ras_library functions;
        const HMODULE library =
            ::LoadLibraryExW(L"rasapi32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (!library) return functions;
        find(library, "RasEnumEntriesW", functions.enum_entries);
        find(library, "RasGetEntryDialParamsW", functions.get_entry_dial_params);
        find(library, "RasDialW", functions.dial);
        find(library, "RasGetConnectStatusW", functions.get_connect_status);
        find(library, "RasHangUpW", functions.hang_up);
        find(library, "RasEnumConnectionsW", functions.enum_connections);
        find(library, "RasGetErrorStringW", functions.get_error_string);
        find(library, "RasGetConnectionStatistics", functions.get_connection_statistics);
        return functions;
    }();
    return loaded;
}

const wchar_t* phonebook_or_system(const std::wstring& phonebook) {
    return phonebook.empty() ? nullptr : phonebook.c_str();
}

// RasDialFunc2 carries an id, not a pointer: the listeners of running dials
// are found by it. A listener goes when its dial ends.
class dial_listeners {
public:
    ULONG_PTR add(ras_api::progress listener) {
        const std::lock_guard lock(mutex_);
        listeners_.emplace(++last_id_, std::move(listener));
        return last_id_;
    }
    void report(ULONG_PTR id, RASCONNSTATE state, DWORD error) {
        ras_api::progress listener;
        {
            const std::lock_guard lock(mutex_);
            const auto found = listeners_.find(id);
            if (found == listeners_.end()) return;
            listener = found->second;
            if (error != 0 || state == RASCS_Connected || state == RASCS_Disconnected)
                listeners_.erase(found);
        }
        listener(static_cast<int>(state), error);
    }
    void remove(ULONG_PTR id) {
        const std::lock_guard lock(mutex_);
        listeners_.erase(id);
    }

private:
    std::mutex mutex_;
    ULONG_PTR last_id_ = 0;
    std::map<ULONG_PTR, ras_api::progress> listeners_;
};

dial_listeners& listeners() {
    static dial_listeners all;
    return all;
}

DWORD WINAPI on_dial_progress(ULONG_PTR id, DWORD, HRASCONN, UINT, RASCONNSTATE state, DWORD error,
                              DWORD) {
    listeners().report(id, state, error);
    return 1;  // keep the reports coming
}

// Calls `list` with a buffer of `Item`s, growing it as the system asks.
template <class Item, class List>
DWORD fill(std::vector<Item>& items, List list) {
    items.assign(1, Item{});
    items[0].dwSize = sizeof(Item);
    DWORD bytes = sizeof(Item);
    DWORD count = 0;
    DWORD error = list(items.data(), &bytes, &count);
    if (error == ERROR_BUFFER_TOO_SMALL) {
        items.assign(bytes / sizeof(Item) + 1, Item{});
        for (Item& item : items) item.dwSize = sizeof(Item);
        bytes = static_cast<DWORD>(items.size() * sizeof(Item));
        error = list(items.data(), &bytes, &count);
    }
    items.resize(error == 0 ? count : 0);
    return error;
}

unsigned enum_entries(const std::string& phonebook, std::vector<std::string>& entries) {
    const std::wstring book = widen(phonebook);
    std::vector<RASENTRYNAMEW> names;
    const DWORD error = fill(names, [&](RASENTRYNAMEW* items, DWORD* bytes, DWORD* count) {
        return ras().enum_entries(nullptr, phonebook_or_system(book), items, bytes, count);
    });
    for (const RASENTRYNAMEW& name : names) entries.push_back(narrow(name.szEntryName));
    return error;
}

unsigned dial(const std::string& phonebook, const std::string& entry, ras_api::progress on_progress,
              ras_api::line& handle) {
    const std::wstring book = widen(phonebook);
    RASDIALPARAMSW params{};
    params.dwSize = sizeof params;
    const std::wstring name = widen(entry).substr(0, RAS_MaxEntryName);
    name.copy(params.szEntryName, name.size());
    // The user name and password saved with the entry, when there are any.
    BOOL has_password = FALSE;
    ras().get_entry_dial_params(phonebook_or_system(book), &params, &has_password);
    params.dwCallbackId = listeners().add(std::move(on_progress));
    HRASCONN connection = nullptr;
    const DWORD error = ras().dial(nullptr, phonebook_or_system(book), &params, 2,
                                   reinterpret_cast<LPVOID>(&on_dial_progress), &connection);
    ::SecureZeroMemory(params.szPassword, sizeof params.szPassword);
    if (error != 0) listeners().remove(params.dwCallbackId);  // no report follows a refusal
    handle = reinterpret_cast<ras_api::line>(connection);
    return error;
}

unsigned connect_status(ras_api::line handle, int& state, unsigned& line_error) {
    RASCONNSTATUSW status{};
    status.dwSize = sizeof status;
    const DWORD error = ras().get_connect_status(reinterpret_cast<HRASCONN>(handle), &status);
    state = static_cast<int>(status.rasconnstate);
    line_error = status.dwError;
    return error;
}

unsigned hang_up(ras_api::line handle) { return ras().hang_up(reinterpret_cast<HRASCONN>(handle)); }

unsigned enum_connections(std::vector<ras_api::connection>& connections) {
    std::vector<RASCONNW> open;
    const DWORD error = fill(open, [](RASCONNW* items, DWORD* bytes, DWORD* count) {
        return ras().enum_connections(items, bytes, count);
    });
    for (const RASCONNW& c : open)
        connections.push_back({reinterpret_cast<ras_api::line>(c.hrasconn), narrow(c.szEntryName)});
    return error;
}

// Without the line break the system's texts end in.
std::string error_text(unsigned error) {
    wchar_t text[512] = {};
    if (!ras().get_error_string ||
        ras().get_error_string(error, text, static_cast<DWORD>(std::size(text))) != 0)
        return {};
    std::string narrowed = narrow(text);
    narrowed.erase(narrowed.find_last_not_of(" \r\n") + 1);
    return narrowed;
}

unsigned statistics(ras_api::line handle, line_bytes& bytes) {
    if (!ras().get_connection_statistics) return ERROR_CALL_NOT_IMPLEMENTED;
    RAS_STATS stats{};
    stats.dwSize = sizeof stats;
    const DWORD error = ras().get_connection_statistics(reinterpret_cast<HRASCONN>(handle), &stats);
    bytes = {stats.dwBytesRcved, stats.dwBytesXmited};
    return error;
}

}  // namespace

std::optional<ras_api> system_ras() {
    if (!ras().complete()) return std::nullopt;
    return ras_api{enum_entries,     dial,       connect_status, hang_up,
                   enum_connections, error_text, statistics};
}

}  // namespace tw
