#include "win32/win32_event_loop.hpp"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "platform/local_time.hpp"
#include "win32/keyboard_navigation.hpp"
#include "win32/mouse_wheel.hpp"

namespace tw {

namespace {

constexpr wchar_t timer_window_class[] = L"tarnwick_timers";

}  // namespace

win32_event_loop::win32_event_loop() {
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = timer_window_proc;
    window_class.hInstance = ::GetModuleHandleW(nullptr);
    window_class.lpszClassName = timer_window_class;
    ::RegisterClassW(&window_class);
    timer_window_ = ::CreateWindowExW(0, timer_window_class, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                      nullptr, window_class.hInstance, nullptr);
    ::SetWindowLongPtrW(timer_window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

win32_event_loop::~win32_event_loop() { ::DestroyWindow(timer_window_); }

double win32_event_loop::clock() const {
    const auto since = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration<double>(since).count();
}

wall_time win32_event_loop::now() const { return local_now(); }

std::chrono::minutes win32_event_loop::utc_offset() const { return local_utc_offset(); }

LRESULT CALLBACK win32_event_loop::timer_window_proc(HWND window, UINT message, WPARAM w,
                                                     LPARAM l) {
    if (message != WM_TIMER) return ::DefWindowProcW(window, message, w, l);
    auto* loop = reinterpret_cast<win32_event_loop*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (const auto found = loop->timers_.find(w); found != loop->timers_.end())
        found->second->fire();
    return 0;
}

bool win32_event_loop::handle_queued() {
    bool handled = false;
    MSG message;
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        handled = true;
        // Before the dialog handling, which dispatches every message of a form.
        if (wheel_over_unfocused_box(message) || navigate_by_keyboard(message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return handled;
}

void win32_event_loop::do_events() { handle_queued(); }

void win32_event_loop::wait(double max_seconds) {
    if (handle_queued() || max_seconds <= 0) return;
    const double bound_ms = std::ceil(max_seconds * 1000);
    const auto timeout = static_cast<DWORD>(std::min(bound_ms, static_cast<double>(INFINITE - 1)));
    ::MsgWaitForMultipleObjectsEx(0, nullptr, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    handle_queued();
}

void win32_event_loop::add_timer(timer& t) {
    if (ids_.contains(&t)) return;
    const UINT_PTR id = next_id_++;
    ids_[&t] = {id, t.rearmed.connect([this, &t] { rearm(t); })};
    timers_[id] = &t;
    rearm(t);
}

void win32_event_loop::remove_timer(timer& t) {
    const auto found = ids_.find(&t);
    if (found == ids_.end()) return;
    ::KillTimer(timer_window_, found->second.id);
    timers_.erase(found->second.id);
    ids_.erase(found);
}

void win32_event_loop::rearm(timer& t) {
    const auto found = ids_.find(&t);
    if (found == ids_.end()) return;
    if (t.armed())
        ::SetTimer(timer_window_, found->second.id,
                   static_cast<UINT>(std::max(t.interval(), shortest_period_ms)), nullptr);
    else
        ::KillTimer(timer_window_, found->second.id);
}

}  // namespace tw
