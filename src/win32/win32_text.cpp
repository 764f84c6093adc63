#include "win32/win32_text.hpp"

#include "platform/windows/wide_text.hpp"

namespace tw {

std::wstring window_text(HWND window) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void show_text(HWND window, const std::string& utf8) {
    const std::wstring wide = widen(utf8);
    if (window_text(window) != wide) ::SetWindowTextW(window, wide.c_str());
}

}  // namespace tw
