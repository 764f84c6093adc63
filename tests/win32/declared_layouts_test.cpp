// Every form as the Win32 view shows it at 96 and at 144 DPI: each control
// inside its page, each caption within its control, and Tab in the
// layout's order.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <map>

#include "layout_rules.hpp"
#include "platform/windows/wide_text.hpp"
#include "test_program.hpp"
#include "win32/control_window.hpp"
#include "win32/form_window.hpp"

namespace tw {
namespace {

// What the window takes around its pages at `dpi`: Windows' frame, title
// bar and menu bar as that DPI draws them, and the view's tab strip and
// status bar in that DPI's font.
testing::page_margins margins_around(const form_window& view, int dpi) {
    const HWND window = view.handle();
    RECT frame{};
    ::AdjustWindowRectExForDpi(&frame, static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE)),
                               ::GetMenu(window) != nullptr,
                               static_cast<DWORD>(::GetWindowLongW(window, GWL_EXSTYLE)),
                               static_cast<UINT>(dpi));
    RECT client{};
    ::GetClientRect(window, &client);
    const RECT page = view.page_area();
    return {page.left - frame.left, page.top - frame.top, client.right - page.right + frame.right,
            client.bottom - page.bottom + frame.bottom};
}

// What a button's caption needs besides its text, as Windows draws it; a
// frame's caption lies across its top line, so only its width counts.
SIZE around_caption(LONG kind, SIZE text, int dpi) {
    const int edge = ::GetSystemMetricsForDpi(SM_CXEDGE, static_cast<UINT>(dpi));
    switch (kind) {
        case BS_GROUPBOX:  // set in a little from either end
            return {text.cx + 2 * (edge + ::MulDiv(4, dpi, 96)), 0};
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:  // the mark and a gap
            return {text.cx + ::GetSystemMetricsForDpi(SM_CXMENUCHECK, static_cast<UINT>(dpi)) +
                        2 * edge,
                    text.cy};
        default:  // the edge and, inside it, the focus rectangle
            return {text.cx + 2 * (edge + 1), text.cy + 2 * (edge + 1)};
    }
}

// What a caption needs beyond what its window gives it, measured in the
// window's own font, or "".
std::string caption_fault(HWND shown, const placement& p, int dpi) {
    const std::string caption = testing::caption_of(p);
    if (caption.empty()) return "";
    RECT room{};
    ::GetClientRect(shown, &room);
    const HDC dc = ::GetDC(shown);
    const HGDIOBJ was =
        ::SelectObject(dc, reinterpret_cast<HGDIOBJ>(::SendMessageW(shown, WM_GETFONT, 0, 0)));
    const std::wstring text = widen(caption);
    SIZE need{};
    if (std::holds_alternative<label*>(p.control)) {  // a label breaks its caption into lines
        RECT lines{0, 0, room.right, 0};
        ::DrawTextW(dc, text.c_str(), -1, &lines, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        need = {lines.right, lines.bottom};
    } else {
        ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &need);
        need = around_caption(::GetWindowLongW(shown, GWL_STYLE) & BS_TYPEMASK, need, dpi);
    }
    ::SelectObject(dc, was);
    ::ReleaseDC(shown, dc);
    if (need.cx <= room.right && need.cy <= room.bottom) return "";
    return "needs " + std::to_string(need.cx) + "x" + std::to_string(need.cy) + " px for \"" +
           caption + "\", has " + std::to_string(room.right) + "x" + std::to_string(room.bottom);
}

// The form's controls by name, and the windows that show them.
struct form_windows {
    std::map<const control*, std::string> names;
    std::map<std::string, HWND> windows;

    form_windows(const form_window& view, const form_layout& layout) {
        if (layout.tabs) names[layout.tabs] = layout.tabs_name;
        if (layout.status) names[layout.status] = layout.status_name;
        for (const auto& page : layout.pages)
            for (const placement& p : page) names[testing::control_of(p.control)] = p.name;
        ::EnumChildWindows(
            view.handle(),
            [](HWND child, LPARAM self) {
                auto& found = *reinterpret_cast<form_windows*>(self);
                found.windows[found.name_of(child)] = child;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(this));
    }
    std::string name_of(HWND window) const {
        const control_window* shown = control_window::of(window);
        return shown ? names.at(&shown->shown()) : "";  // a page, or a combo box's edit box
    }
};

// The names of the controls Tab reaches from the first, in the order it does.
std::vector<std::string> tab_stops(const form_window& view, const form_windows& shown) {
    std::vector<std::string> stops;
    const HWND first = ::GetNextDlgTabItem(view.handle(), nullptr, FALSE);
    for (HWND at = first; at && (stops.empty() || at != first);
         at = ::GetNextDlgTabItem(view.handle(), at, FALSE))
        stops.push_back(shown.name_of(at));
    return stops;
}

TEST(win32_declared_layouts, every_control_and_caption_fits_and_tab_follows_the_layout) {
    testing::test_program p;
    for (const modal_form& f : testing::every_form(p.prog)) {
        for (const auto& page : f.layout.pages)
            for (const placement& c : page) testing::control_of(c.control)->set_enabled(true);
        form_window view(*f.form, f.layout, nullptr);
        const form_windows shown(view, f.layout);
        for (const int dpi : {96, 144}) {
            RECT at{};
            ::GetWindowRect(view.handle(), &at);
            ::SendMessageW(view.handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                           reinterpret_cast<LPARAM>(&at));
            SCOPED_TRACE(f.layout.pages[0][0].name + (" at " + std::to_string(dpi)) + " DPI");
            EXPECT_THAT(testing::controls_outside_page(f, dpi, margins_around(view, dpi)),
                        ::testing::IsEmpty());
            for (std::size_t i = 0; i < f.layout.pages.size(); ++i) {
                if (f.layout.tabs) f.layout.tabs->set_tab(static_cast<int>(i));
                for (const placement& c : f.layout.pages[i])
                    EXPECT_EQ(caption_fault(shown.windows.at(c.name), c, dpi), "") << c.name;
                const std::vector<std::string> stops = tab_stops(view, shown);
                EXPECT_EQ(stops, testing::in_tab_order(f.layout, i, stops));
            }
        }
    }
}

}  // namespace
}  // namespace tw
