// The Win32 dialogs: modal forms and message boxes keep timers ticking, a
// form ends when its own code hides it, a box nobody answers can be closed
// with its default answer (what unattended runs rely on), and a save takes
// the save dialog.
#include <gtest/gtest.h>
#include <windows.h>
// These need windows.h first.
#include <dlgs.h>

#include <functional>

#include "forms/frm_about.hpp"
#include "forms/frm_main_layout.hpp"
#include "platform/windows/wide_text.hpp"
#include "web/frm_apps.hpp"
#include "win32/form_window.hpp"
#include "win32/screen_dpi.hpp"
#include "win32/win32_dialogs.hpp"
#include "win32/win32_event_loop.hpp"
#include "win32/win32_text.hpp"
#include "windows_under_test.hpp"

namespace tw {
namespace {

// Runs `step` on every tick of a 20 ms timer while the test waits in a dialog.
struct ticking {
    ticking(win32_event_loop& loop, std::function<void(int)> step) : loop_(loop) {
        t.tick.connect([this, step = std::move(step)] { step(++ticks); });
        loop.add_timer(t);
        t.start(20);
    }
    ~ticking() { loop_.remove_timer(t); }

    win32_event_loop& loop_;
    timer t;
    int ticks = 0;
};

TEST(win32_dialogs, a_modal_form_runs_until_its_own_code_hides_it) {
    win32_event_loop loop;
    win32_dialogs dialogs(loop);
    frm_about about;
    about.b_ok.click.connect([&] { about.form.set_visible(false); });
    dialogs.register_views({{&about.form, frm_about_layout(about)}});
    ticking clock(loop, [](int tick) {
        if (tick != 3) return;
        const HWND shown = ::FindWindowW(L"tarnwick_form", L"About Tarnwick");
        ::SendMessageW(child_with_text(shown, L"OK"), BM_CLICK, 0, 0);
    });
    dialogs.show_modal(about.form);
    EXPECT_GE(clock.ticks, 3);
    EXPECT_FALSE(about.form.visible());
    EXPECT_EQ(::FindWindowW(L"tarnwick_form", L"About Tarnwick"), nullptr) << "closed";
}

// A form with a menu bar shows where the program put it (centred), and once
// it closes its owner is active again, with the focus where it was, unless
// that control was hidden meanwhile.
TEST(win32_dialogs, a_modal_form_shows_in_its_place_and_gives_the_focus_back) {
    win32_event_loop loop;
    win32_dialogs dialogs(loop);
    frm_main main;
    form_window owner(main.form, frm_main_layout(main), nullptr);
    owner.show();
    dialogs.set_main_window(owner.handle());
    const HWND focused = child_with_text(owner.handle(), L"Select Default");
    frm_apps apps;
    apps.form.set_caption("Applications");
    apps.form.move_to(1440, 720);
    apps.Command3.click.connect([&] { apps.form.set_visible(false); });
    dialogs.register_views({{&apps.form, frm_apps_layout(apps)}});
    for (const bool hidden_meanwhile : {false, true}) {
        SCOPED_TRACE(hidden_meanwhile ? "focused control hidden meanwhile" : "focus kept");
        ::SetFocus(focused);
        RECT shown_at{};
        ticking clock(loop, [&](int tick) {
            if (tick != 3) return;
            const HWND shown = ::FindWindowW(L"tarnwick_form", L"Applications");
            ::GetWindowRect(shown, &shown_at);
            main.b_set_default_IPS.set_visible(!hidden_meanwhile);
            ::SendMessageW(child_with_text(shown, L"Exit"), BM_CLICK, 0, 0);
        });
        dialogs.show_modal(apps.form);
        const int dpi = dpi_of(owner.handle());
        EXPECT_EQ(shown_at.left, ::MulDiv(1440, dpi, 1440));
        EXPECT_EQ(shown_at.top, ::MulDiv(720, dpi, 1440));
        EXPECT_EQ(::GetActiveWindow(), owner.handle());
        if (hidden_meanwhile)
            EXPECT_TRUE(::IsWindowVisible(::GetFocus()));
        else
            EXPECT_EQ(::GetFocus(), focused);
    }
}

TEST(win32_dialogs, a_dismissed_box_gives_its_default_answer) {
    win32_event_loop loop;
    win32_dialogs dialogs(loop);
    ticking clock(loop, [&](int tick) {
        if (tick % 5 == 0) dialogs.dismiss_message();
    });
    EXPECT_EQ(dialogs.message("Keep going?", box::yes_no | box::information, "Tarnwick v1.20"),
              box::yes);
    EXPECT_EQ(dialogs.message("Done.", box::information, "Tarnwick v1.20"), box::ok);
}

// The log is saved through the system's save dialog: its title, filter and
// folder, a name that does not exist yet, and a button that says so.
TEST(win32_dialogs, a_save_request_asks_with_the_save_dialog) {
    win32_event_loop loop;
    win32_dialogs dialogs(loop);
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring title = L"Save the session log";
    std::wstring button, types;
    // The name is typed once; a dialog that does not take it is cancelled.
    ticking clock(loop, [&](int tick) {
        const HWND shown = ::FindWindowW(L"#32770", title.c_str());
        if (tick < 5 || !shown) return;
        if (button.empty()) {
            button = window_text(::GetDlgItem(shown, IDOK));
            types = window_text(::GetDlgItem(shown, cmb1));
            ::SetDlgItemTextW(shown, cmb13, L"new-session.log");
        }
        ::PostMessageW(shown, WM_COMMAND, tick < 250 ? IDOK : IDCANCEL, 0);
    });
    const std::string chosen = dialogs.open_file({narrow(title), "Log Files|*.log", narrow(temp),
                                                  "", file_names::new_allowed, file_action::save});
    EXPECT_EQ(button, L"&Save");
    EXPECT_EQ(types, L"Log Files");
    EXPECT_EQ(widen(chosen), std::wstring(temp) + L"new-session.log");
}

}  // namespace
}  // namespace tw
