#include "win32/win32_dialogs.hpp"

#include <commdlg.h>

#include "platform/windows/wide_text.hpp"
#include "toolkit/twips.hpp"
#include "win32/file_filter.hpp"
#include "win32/form_window.hpp"
#include "win32/screen_dpi.hpp"
#include "win32/win32_text.hpp"

namespace tw {

namespace {

// Long enough for any path the system takes.
constexpr std::size_t longest_path = 32768;

struct found_box {
    const std::wstring* title;
    HWND box = nullptr;
};

// A message box of this thread with the title, topmost first.
BOOL CALLBACK find_box(HWND window, LPARAM found_so_far) {
    auto& found = *reinterpret_cast<found_box*>(found_so_far);
    wchar_t kind[16] = {};
    ::GetClassNameW(window, kind, 16);
    if (std::wstring_view(kind) != L"#32770" || !::IsWindowVisible(window) ||
        window_text(window) != *found.title)
        return TRUE;
    found.box = window;
    return FALSE;
}

}  // namespace

void win32_dialogs::register_views(std::vector<modal_form> forms) {
    for (modal_form& f : forms) views_[f.form] = std::move(f.layout);
}

HWND win32_dialogs::owner() const {
    const HWND active = ::GetActiveWindow();
    return active ? active : main_window_;
}

int win32_dialogs::message(const std::string& text, int flags, const std::string& title) {
    open_boxes_.push_back(widen(title));
    const int answer = ::MessageBoxW(owner(), widen(text).c_str(), open_boxes_.back().c_str(),
                                     static_cast<UINT>(flags) | MB_SETFOREGROUND);
    open_boxes_.pop_back();
    switch (answer) {
        case IDYES:
            return box::yes;
        case IDNO:
            return box::no;
        case IDCANCEL:
            return box::cancel;
        default:
            return box::ok;
    }
}

// The default button of a box is its first: OK, or Yes of a Yes/No box.
void win32_dialogs::dismiss_message() {
    if (open_boxes_.empty()) return;
    found_box found{&open_boxes_.back()};
    ::EnumThreadWindows(::GetCurrentThreadId(), find_box, reinterpret_cast<LPARAM>(&found));
    if (!found.box) return;
    const int first = ::GetDlgItem(found.box, IDYES) ? IDYES : IDOK;
    ::PostMessageW(found.box, WM_COMMAND, MAKEWPARAM(first, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(found.box, first)));
}

std::string win32_dialogs::open_file(const file_request& request) {
    const std::wstring filter = win32_file_filter(request.filter);
    const std::wstring title = widen(request.title);
    const std::wstring folder = widen(request.initial_folder);
    std::wstring name = widen(request.file_name);
    name.resize(longest_path, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    // A new name is allowed where the program writes the file; a save asks
    // before it replaces one.
    const bool save = request.action == file_action::save;
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
    if (save)
        dialog.Flags |= OFN_OVERWRITEPROMPT;
    else if (request.names == file_names::existing)
        dialog.Flags |= OFN_FILEMUSTEXIST;
    if (!(save ? ::GetSaveFileNameW(&dialog) : ::GetOpenFileNameW(&dialog))) return {};
    return narrow(name.c_str());
}

void win32_dialogs::beep() { ::MessageBeep(MB_OK); }

size_twips win32_dialogs::screen_size() const {
    const int dpi = dpi_of(main_window_);
    return {pixels_to_twips(::GetSystemMetrics(SM_CXSCREEN), dpi),
            pixels_to_twips(::GetSystemMetrics(SM_CYSCREEN), dpi)};
}

// The owner is disabled meanwhile, as under any modal window; messages and
// timers are handled until the form's own code hides it or the user closes it.
void win32_dialogs::run_modal(window& form) {
    const auto view = views_.find(&form);
    const HWND owned_by = owner();
    form_window shown(form, view == views_.end() ? form_layout{} : view->second, owned_by);
    if (owned_by) ::EnableWindow(owned_by, FALSE);
    shown.show();
    while (form.visible() && !shown.closed()) loop_.wait(3600);
    if (owned_by) {
        ::EnableWindow(owned_by, TRUE);
        ::SetActiveWindow(owned_by);
    }
}

}  // namespace tw
