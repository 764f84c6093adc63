// The Win32 dialogs: modal forms and message boxes keep timers ticking, a
// form ends when its own code hides it, and a box nobody answers can be
// closed with its default answer (what unattended runs rely on).
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "ui/frm_about.hpp"
#include "win32/win32_dialogs.hpp"
#include "win32/win32_event_loop.hpp"

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
        ::SendMessageW(::FindWindowExW(shown, nullptr, L"Button", L"OK"), BM_CLICK, 0, 0);
    });
    dialogs.show_modal(about.form);
    EXPECT_GE(clock.ticks, 3);
    EXPECT_FALSE(about.form.visible());
    EXPECT_EQ(::FindWindowW(L"tarnwick_form", L"About Tarnwick"), nullptr) << "closed";
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

}  // namespace
}  // namespace tw
