#include "win32/screen_dpi.hpp"

namespace tw {

int dpi_of(HWND window) {
    // Windows 10's own function, looked up: older systems and Wine may lack it.
    using dpi_for_window = UINT(WINAPI*)(HWND);
    static const auto for_window = reinterpret_cast<dpi_for_window>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    if (window && for_window)
        if (const UINT dpi = for_window(window)) return static_cast<int>(dpi);
    const HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

}  // namespace tw
