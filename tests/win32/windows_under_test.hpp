// Finding a form window's children and typing into them, for the Win32 view's tests.
#pragma once

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "win32/win32_event_loop.hpp"
#include "win32/win32_text.hpp"

namespace tw {

// The first child (at any depth) that passes `wanted`.
template <class Wanted>
HWND find_child(HWND parent, Wanted wanted) {
    struct search {
        Wanted& wanted;
        HWND found = nullptr;
    } s{wanted};
    ::EnumChildWindows(
        parent,
        [](HWND child, LPARAM l) {
            auto& s = *reinterpret_cast<search*>(l);
            if (!s.wanted(child)) return TRUE;
            s.found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&s));
    return s.found;
}

inline HWND child_with_text(HWND parent, const std::wstring& text) {
    return find_child(parent, [&](HWND child) { return window_text(child) == text; });
}

inline std::wstring class_of(HWND window) {
    wchar_t name[32] = {};
    ::GetClassNameW(window, name, 32);
    return name;
}

// The child of window class `kind` that answers `count_message` with `count`.
inline HWND child_of_class(HWND parent, const wchar_t* kind, UINT count_message, int count) {
    return find_child(parent, [&](HWND child) {
        return ::lstrcmpiW(class_of(child).c_str(), kind) == 0 &&
               ::SendMessageW(child, count_message, 0, 0) == count;
    });
}

// Keys pressed while the focus is in this program, each held down (as the
// system's key state tells) while its message is handled; with Alt held, as
// system keys.
inline void press(win32_event_loop& loop, std::initializer_list<WORD> keys, bool alt = false) {
    BYTE state[256] = {};
    state[VK_MENU] = alt ? 0x80 : 0;
    const UINT down_message = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    const LPARAM alt_bit = alt ? LPARAM{1} << 29 : 0;
    for (const WORD key : keys)
        for (const bool down : {true, false}) {
            state[key] = down ? 0x80 : 0;
            ::SetKeyboardState(state);
            ::PostMessageW(::GetFocus(), down ? down_message : down_message + 1, key,
                           (down ? 1 : 0xC0000001) | alt_bit);
            loop.do_events();
        }
    const BYTE released[256] = {};
    ::SetKeyboardState(const_cast<BYTE*>(released));
}

// The pixels of the window's client area as drawn on the screen, once every
// pending paint is done.
inline std::vector<std::uint32_t> client_pixels(HWND window, win32_event_loop& loop) {
    loop.do_events();
    ::RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT area{};
    ::GetClientRect(window, &area);
    const HDC shown = ::GetDC(window);
    const HDC copy = ::CreateCompatibleDC(shown);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = area.right;
    info.bmiHeader.biHeight = -area.bottom;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = ::CreateDIBSection(shown, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = ::SelectObject(copy, bitmap);
    ::BitBlt(copy, 0, 0, area.right, area.bottom, shown, 0, 0, SRCCOPY);
    const auto* first = static_cast<const std::uint32_t*>(bits);
    std::vector<std::uint32_t> pixels(first, first + area.right * area.bottom);
    ::SelectObject(copy, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(copy);
    ::ReleaseDC(window, shown);
    return pixels;
}

}  // namespace tw
