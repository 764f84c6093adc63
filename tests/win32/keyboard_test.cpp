// The Win32 view as a keyboard user meets it: the focus is never lost, every
// control can be reached and worked, and the keys a dialog answers work.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>

#include "companions/module_form.hpp"
#include "forms/frm_main_layout.hpp"
#include "win32/form_window.hpp"
#include "windows_under_test.hpp"

namespace tw {
namespace {

// As in a dialog, the focus goes on to the next control that can take it once
// the handler that disabled or hid its control has run: a button giving way
// to another hands it on to that one.
TEST(keyboard, the_focus_moves_on_when_its_control_can_no_longer_take_it) {
    win32_event_loop loop;
    frm_main form;
    form.b_connect.set_enabled(true);
    form_window view(form.form, frm_main_layout(form), nullptr);
    view.show();
    struct change {
        const char* what;
        const wchar_t* focused;
        std::function<void()> apply;
        const wchar_t* then;
    };
    for (const change& c : {
             change{"Connect gives way to Cancel", L"Connect",
                    [&] {
                        form.b_connect.set_enabled(false);
                        form.b_cancel.set_enabled(true);
                    },
                    L"Cancel"},
             change{"a hidden button", L"Cancel", [&] { form.b_cancel.set_visible(false); },
                    L"Select Default"},
         }) {
        SCOPED_TRACE(c.what);
        ::SetFocus(child_with_text(view.handle(), c.focused));
        c.apply();
        loop.do_events();
        EXPECT_EQ(::GetFocus(), child_with_text(view.handle(), c.then));
    }
}

// The entry list has the focus right after start; a drop-down list must not
// keep Alt+F4 from the window.
TEST(keyboard, alt_f4_closes_the_window_from_a_drop_down_list) {
    win32_event_loop loop;
    frm_main form;
    form.o_phonebook_list.add_item("MyISP");
    bool unloaded = false;
    form.form.unload.connect([&] { unloaded = true; });
    form_window view(form.form, frm_main_layout(form), nullptr);
    view.show();
    ::SetFocus(child_of_class(view.handle(), L"ComboBox", CB_GETCOUNT, 1));
    press(loop, {VK_F4}, true);
    EXPECT_TRUE(unloaded);
}

// The ORDER bar takes the focus and moves the task with Up and Down; an
// option group is one Tab stop, its chosen option, and the arrows choose.
TEST(keyboard, the_order_bar_and_an_option_group_work_with_the_keys) {
    win32_event_loop loop;
    frm_main form;
    for (const char* task : {"a", "b", "c", "d"}) form.o_task_list.add_item(task);
    form.FlatScrollBar1.set_max(3);
    form.FlatScrollBar1.set_value(2);
    form.o_connection_type[1].set_value(true);
    form.SSTab1.set_tab(3);
    form_window view(form.form, frm_main_layout(form), nullptr);
    view.show();

    ::SetFocus(child_of_class(view.handle(), L"ListBox", LB_GETCOUNT, 4));
    press(loop, {VK_TAB});
    EXPECT_EQ(class_of(::GetFocus()), L"ScrollBar");
    press(loop, {VK_UP});
    EXPECT_EQ(form.FlatScrollBar1.value(), 1);
    press(loop, {VK_DOWN, VK_DOWN});
    EXPECT_EQ(form.FlatScrollBar1.value(), 3);

    form.SSTab1.set_tab(1);
    ::SetFocus(child_with_text(view.handle(), L"Run Tasks As Scheduled"));
    press(loop, {VK_TAB});
    EXPECT_EQ(::GetFocus(), child_with_text(view.handle(), L"Modem"));
    press(loop, {VK_UP});
    EXPECT_TRUE(form.o_connection_type[0].value());
    EXPECT_FALSE(form.o_connection_type[1].value());
    press(loop, {VK_TAB});
    EXPECT_EQ(::GetFocus(), child_with_text(view.handle(), L"Use specific times below:"));
}

// On a module form the link is a Tab stop that Enter follows, and Enter in a
// text box presses OK, which shows it is the default button.
TEST(keyboard, a_module_forms_link_and_ok_answer_enter) {
    win32_event_loop loop;
    frm_wpmmodule f;
    f.o_cpid.set_text("12345");
    int links = 0, oks = 0;
    f.Label3.click.connect([&] { ++links; });
    f.Command1.click.connect([&] { ++oks; });
    form_window view(f.form, frm_wpmmodule_layout(f), nullptr);
    view.show();
    const HWND ok = child_with_text(view.handle(), L"OK");
    EXPECT_EQ(::GetWindowLongPtrW(ok, GWL_STYLE) & BS_TYPEMASK, BS_DEFPUSHBUTTON);

    const HWND id = child_with_text(view.handle(), L"12345");
    ::SetFocus(id);
    press(loop, {VK_TAB, VK_RETURN});
    EXPECT_EQ(links, 1);
    EXPECT_EQ(oks, 0);
    ::SetFocus(id);
    press(loop, {VK_RETURN});
    EXPECT_EQ(oks, 1);
    EXPECT_EQ(links, 1);
}

}  // namespace
}  // namespace tw
