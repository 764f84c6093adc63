// The Win32 view shows control state and reports clicks; what the program
// makes of them is tested on the controls themselves.
#include "win32/form_window.hpp"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "forms/frm_main_layout.hpp"
#include "win32/file_filter.hpp"
#include "win32/screen_dpi.hpp"
#include "win32/win32_event_loop.hpp"
#include "win32/win32_text.hpp"
#include "windows_under_test.hpp"

namespace tw {
namespace {

std::wstring menu_entries(HWND window, int menu) {
    const HMENU drop_down = ::GetSubMenu(::GetMenu(window), menu);
    std::wstring entries;
    for (int i = 0; i < ::GetMenuItemCount(drop_down); ++i) {
        wchar_t text[64] = {};
        ::GetMenuStringW(drop_down, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        entries += (entries.empty() ? L"" : L"|") + std::wstring(text);
    }
    return entries;
}

TEST(form_window, shows_the_controls_and_reports_what_the_user_does) {
    frm_main form;
    form_window view(form.form, frm_main_layout(form), nullptr);
    const HWND connect = child_with_text(view.handle(), L"Connect");
    ASSERT_NE(connect, nullptr);
    EXPECT_FALSE(::IsWindowEnabled(connect)) << "the form's design, before any change";

    bool clicked = false;
    form.b_connect.click.connect([&] { clicked = true; });
    form.b_connect.set_enabled(true);
    ::SendMessageW(connect, BM_CLICK, 0, 0);
    EXPECT_TRUE(clicked);

    const HWND timeout_label = child_with_text(view.handle(), L"Timeout (seconds)");
    form.SSTab1.set_tab(1);
    view.show();
    EXPECT_TRUE(::IsWindowVisible(timeout_label));
    EXPECT_FALSE(::IsWindowVisible(connect)) << "on another page";

    EXPECT_EQ(menu_entries(view.handle(), 1), L"Browser");
    form.menuAppsItem_postwright.set_visible(true);
    EXPECT_EQ(menu_entries(view.handle(), 1), L"Browser|Postwright");
    EXPECT_EQ(menu_entries(view.handle(), 2),
              L"Help File (HTML format)||&On-Line Web Pages||About");

    int chosen = 0;
    form.menuHelpItem_about.click.connect([&](int index) { chosen = index; });
    const HMENU help = ::GetSubMenu(::GetMenu(view.handle()), 2);
    ::SendMessageW(view.handle(), WM_COMMAND, ::GetMenuItemID(help, 4), 0);
    EXPECT_EQ(chosen, 99);

    bool unloaded = false;
    form.form.unload.connect([&] { unloaded = true; });
    ::SendMessageW(view.handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(unloaded);
    EXPECT_TRUE(view.closed());
}

// What the user does to each kind of input window reaches its control, and
// what the program sets shows in the window.
TEST(form_window, input_controls_follow_both_ways) {
    frm_main form;
    form_window view(form.form, frm_main_layout(form), nullptr);
    const HWND parent = view.handle();

    form.o_timeout.set_text("42");
    const HWND timeout = child_with_text(parent, L"42");
    ASSERT_NE(timeout, nullptr);
    ::SetWindowTextW(timeout, L"57");
    EXPECT_EQ(form.o_timeout.text(), "57");
    form.o_timeout.set_locked(true);
    EXPECT_TRUE(::GetWindowLongPtrW(timeout, GWL_STYLE) & ES_READONLY) << "readable, not greyed";

    const HWND line_drop = child_with_text(parent, L"Reconnect after a line drop");
    ::SendMessageW(line_drop, BM_CLICK, 0, 0);
    EXPECT_EQ(form.o_line_drop.value(), 1);
    form.o_line_drop.set_value(2);
    EXPECT_EQ(::SendMessageW(line_drop, BM_GETCHECK, 0, 0), BST_INDETERMINATE);

    ::SendMessageW(child_with_text(parent, L"Modem"), BM_CLICK, 0, 0);
    EXPECT_TRUE(form.o_connection_type[1].value());
    ::SendMessageW(child_with_text(parent, L"Direct Connect"), BM_CLICK, 0, 0);
    EXPECT_TRUE(form.o_connection_type[0].value());
    EXPECT_FALSE(form.o_connection_type[1].value()) << "one choice of the group";

    for (const char* line : {"a", "b", "c"}) form.o_log.add_item(line);
    int clicks = 0;
    form.o_log.click.connect([&] { ++clicks; });
    const HWND log = child_of_class(parent, L"ListBox", LB_GETCOUNT, 3);
    ::SendMessageW(log, LB_SETCURSEL, 1, 0);
    ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(0, LBN_SELCHANGE), reinterpret_cast<LPARAM>(log));
    EXPECT_EQ(form.o_log.list_index(), 1);
    EXPECT_EQ(clicks, 1);

    form.FlatScrollBar1.set_max(3);
    const HWND order = child_of_class(parent, L"ScrollBar", WM_GETTEXTLENGTH, 0);
    for (int request : {SB_LINEUP, SB_LINEDOWN, SB_LINEDOWN})
        ::SendMessageW(parent, WM_VSCROLL, request, reinterpret_cast<LPARAM>(order));
    EXPECT_EQ(form.FlatScrollBar1.value(), 2) << "no step below the least value";

    const HWND schedule = child_with_text(parent, L"Run Tasks As Scheduled");
    form.b_run_schedule.set_back_colour(red);
    EXPECT_EQ(::GetWindowLongPtrW(schedule, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    form.b_run_schedule.set_back_colour(system_button_face);
    EXPECT_EQ(::GetWindowLongPtrW(schedule, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
}

// Typing into an editable combo box is no pick, even where the text names
// an item and its list is open: only a choice from the list is. Enter, or
// the focus leaving for another control, ends the typing; on a button,
// Enter presses it.
TEST(form_window, an_editable_combo_box_tells_typing_from_a_pick) {
    win32_event_loop loop;
    frm_main form;
    form.SSTab1.set_tab(3);
    combo_box& start = form.o_task_start_time;
    for (control* field : form.task_fields()) field->set_enabled(true);
    for (const char* time : {"0700", "0710", "0720"}) start.add_item(time);
    int picks = 0, ends = 0;
    start.click.connect([&] { ++picks; });
    start.edit_ended.connect([&] { ++ends; });
    form_window view(form.form, frm_main_layout(form), nullptr);
    view.show();
    const HWND box = child_of_class(view.handle(), L"ComboBox", CB_GETCOUNT, 3);
    ASSERT_NE(box, nullptr);
    const HWND typed = ::GetWindow(box, GW_CHILD);
    const auto type_into_start = [&](bool open_list, std::initializer_list<WORD> keys) {
        ::SetFocus(typed);
        ::SendMessageW(box, CB_SHOWDROPDOWN, open_list, 0);
        ::SendMessageW(typed, EM_SETSEL, 0, -1);
        press(loop, keys);
    };

    struct ending {
        const char* what;
        bool open_list;
        WORD key;
    };
    for (const ending& e :
         {ending{"Enter", false, VK_RETURN}, ending{"Enter on the open list", true, VK_RETURN},
          ending{"Tab", false, VK_TAB}}) {
        SCOPED_TRACE(e.what);
        type_into_start(e.open_list, {'0', '7', '1', '0'});
        EXPECT_EQ(start.text(), "0710");
        const int ended = ends;
        press(loop, {e.key});
        EXPECT_EQ(ends, ended + 1);
        EXPECT_EQ(picks, 0);
    }

    // Typed text put back, as the task editor does, puts back the list's
    // selection too, which the open list had moved ahead to "0710"; a step
    // goes on from the value shown.
    start.edit_ended.connect([&] { start.set_text("0700"); });
    type_into_start(true, {'0', '7', '1', VK_RETURN});
    EXPECT_EQ(::SendMessageW(box, CB_GETCURSEL, 0, 0), 0);
    press(loop, {VK_DOWN});
    EXPECT_EQ(picks, 1) << "a step through the list";
    EXPECT_EQ(start.text(), "0710");

    bool added = false;
    form.b_add_task.click.connect([&] { added = true; });
    ::SetFocus(child_with_text(view.handle(), L"Add"));
    press(loop, {VK_RETURN});
    EXPECT_TRUE(added) << "Enter presses the button that has the focus";
}

// Windows hands the wheel to the box under the pointer: only the box that
// has the focus takes it, so one scrolled past stays as it was.
TEST(form_window, the_wheel_changes_only_a_box_that_has_the_focus) {
    win32_event_loop loop;
    frm_main form;
    form.SSTab1.set_tab(3);
    for (control* field : form.task_fields()) field->set_enabled(true);
    for (const char* time : {"0700", "0710"}) form.o_task_stop_time.add_item(time);
    int picks = 0;
    form.o_task_stop_time.click.connect([&] { ++picks; });
    form_window view(form.form, frm_main_layout(form), nullptr);
    view.show();
    const HWND box = child_of_class(view.handle(), L"ComboBox", CB_GETCOUNT, 2);
    ASSERT_NE(box, nullptr);
    const auto turn_wheel = [&] {
        ::PostMessageW(box, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
        loop.do_events();
    };
    ::SetFocus(child_with_text(view.handle(), L"Add"));
    turn_wheel();
    EXPECT_EQ(picks, 0);
    ::SetFocus(box);
    turn_wheel();
    EXPECT_EQ(picks, 1);
}

// The loop sleeps until the tick: a loop that spins would wake up
// thousands of times over the wait.
TEST(win32_event_loop, sleeps_until_a_timer_ticks) {
    win32_event_loop loop;
    timer t;
    int ticks = 0;
    t.tick.connect([&] { ++ticks; });
    loop.add_timer(t);
    t.start(200);
    int wake_ups = 0;
    const double start = loop.clock();
    for (; ticks == 0 && loop.clock() - start < 10; ++wake_ups) loop.wait(10);
    EXPECT_EQ(ticks, 1);
    EXPECT_LE(wake_ups, 5);
    loop.remove_timer(t);
}

// Each tab page shows its own controls only: visiting the others and coming
// back leaves nothing of theirs drawn on it.
TEST(form_window, a_page_looks_the_same_after_the_other_pages_were_shown) {
    win32_event_loop loop;
    frm_main form;
    form_window view(form.form, frm_main_layout(form), nullptr);
    view.show();
    // Where Ctrl+Tab leaves the focus, so it is drawn in one place throughout.
    ::SetFocus(find_child(view.handle(), [](HWND c) { return class_of(c) == WC_TABCONTROLW; }));
    const auto first_look = client_pixels(view.handle(), loop);
    for (const int other : {1, 2, 3}) {
        form.SSTab1.set_tab(other);
        loop.do_events();
        form.SSTab1.set_tab(0);
        EXPECT_TRUE(client_pixels(view.handle(), loop) == first_look) << "back from tab " << other;
    }
}

// A list shows whole rows and lets its longest line be scrolled to; an open
// time list covers about twelve rows, not the window.
TEST(form_window, lists_show_whole_rows_and_all_of_each_line) {
    win32_event_loop loop;
    frm_main form;
    form.o_log.add_item(std::string(300, 'x'));
    for (int minutes = 0; minutes < 24 * 60; minutes += 10)
        form.o_task_start_time.add_item("00:00");
    form_window view(form.form, frm_main_layout(form), nullptr);
    const HWND log = child_of_class(view.handle(), L"ListBox", LB_GETCOUNT, 1);
    RECT inside{};
    ::GetClientRect(log, &inside);
    EXPECT_GT(::SendMessageW(log, LB_GETHORIZONTALEXTENT, 0, 0), inside.right);
    find_child(view.handle(), [](HWND list) {
        if (class_of(list) != L"ListBox") return false;
        RECT area{};
        ::GetClientRect(list, &area);
        EXPECT_EQ(area.bottom % ::SendMessageW(list, LB_GETITEMHEIGHT, 0, 0), 0) << "half a row";
        return false;
    });
    // The task list keeps its place but for less than a row (780 twips high),
    // also once tasks come and go.
    for (const char* task : {"a", "b"}) form.o_task_list.add_item(task);
    const HWND tasks = child_of_class(view.handle(), L"ListBox", LB_GETCOUNT, 2);
    RECT task_rows{};
    ::GetWindowRect(tasks, &task_rows);
    EXPECT_GT(task_rows.bottom - task_rows.top,
              ::MulDiv(780, dpi_of(tasks), 1440) - ::SendMessageW(tasks, LB_GETITEMHEIGHT, 0, 0));

    form.SSTab1.set_tab(3);
    view.show();
    form.o_task_start_time.set_enabled(true);
    const HWND start = child_of_class(view.handle(), L"ComboBox", CB_GETCOUNT, 144);
    ::SendMessageW(start, CB_SHOWDROPDOWN, TRUE, 0);
    COMBOBOXINFO parts{};
    parts.cbSize = sizeof parts;
    ::GetComboBoxInfo(start, &parts);
    RECT open{};
    ::GetWindowRect(parts.hwndList, &open);
    const auto rows = (open.bottom - open.top) / ::SendMessageW(start, CB_GETITEMHEIGHT, 0, 0);
    EXPECT_GE(rows, 10);
    EXPECT_LE(rows, 13);
    ::SendMessageW(start, CB_SHOWDROPDOWN, FALSE, 0);
}

TEST(win32_file_filter, pairs_of_description_and_patterns) {
    EXPECT_EQ(win32_file_filter("Text|*.txt;*.log|All|*.*"),
              std::wstring(L"Text\0*.txt;*.log\0All\0*.*\0\0", 26));
    EXPECT_EQ(win32_file_filter("Text"), std::wstring(L"\0", 1));
}

}  // namespace
}  // namespace tw
