#pragma once

#include <windows.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "forms/modal_forms.hpp"
#include "toolkit/dialogs.hpp"
#include "toolkit/event_loop.hpp"

namespace tw {

// Windows' message boxes, open and save dialogs, and the modal forms as windows
// built from their layouts. Timers keep ticking while any of them is open.
class win32_dialogs : public dialogs {
public:
    explicit win32_dialogs(event_loop& loop) : loop_(loop) {}

    // Each form shows as built from its layout; a form without one shows empty.
    void register_views(std::vector<modal_form> forms);
    // The window that owns message boxes and forms when no other is active.
    void set_main_window(HWND window) { main_window_ = window; }

    int message(const std::string& text, int flags, const std::string& title) override;
    std::string open_file(const file_request& request) override;
    void beep() override;
    void dismiss_message() override;
    size_twips screen_size() const override;

protected:
    void run_modal(window& form) override;

private:
    HWND owner() const;

    event_loop& loop_;
    HWND main_window_ = nullptr;
    std::unordered_map<const window*, form_layout> views_;
    std::vector<std::wstring> open_boxes_;  // their titles, innermost last
};

}  // namespace tw
