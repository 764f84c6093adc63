#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/path_rules.hpp"
#include "test_program.hpp"

namespace tw {
namespace {

using testing::test_program;

class browser_selection_test : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"ie/iexplore.exe", "ns/netscape.exe", "old/browser.exe"})
            p.write(name, "");
        p.start_up();
    }

    void register_browser(const char* key_name, const std::string& path, int type = 1) {
        p.registry_keys.set(std::string(app_paths_key) + key_name, "",
                            {static_cast<std::uint32_t>(type), path});
    }
    // Opens frm_apps from the Applications menu; `use` runs while it shows.
    void in_apps_window(const std::function<void()>& use) {
        p.dialogs.expect_form(p.prog.apps.form, use);
        p.drive([&] { p.main().menuAppsItem_browser.click(5); });
    }
    void select(const std::function<void()>& in_choice_window = {}) {
        if (in_choice_window) p.dialogs.expect_form(p.prog.browser_choice.form, in_choice_window);
        p.prog.apps.Command1.click();
    }

    test_program p;
    frm_apps& apps = p.prog.apps;
    // As the program stores picked paths, so they compare equal on every platform.
    const std::string ie = native_paths().stored(p.folder / "ie/iexplore.exe");
    const std::string ns = native_paths().stored(p.folder / "ns/netscape.exe");
    const std::string old = native_paths().stored(p.folder / "old/browser.exe");
};

TEST_F(browser_selection_test, select_takes_the_one_registered_browser_and_asks_between_two) {
    register_browser(iexplore_key_name, ie);
    in_apps_window([&] {
        select();
        EXPECT_EQ(apps.o_browser.text(), ie);
    });
    EXPECT_EQ(p.prog.browser_path, ie) << "Select's choice survives the close box";

    register_browser(netscape_key_name, ns);
    p.prog.browser_path = old;
    in_apps_window([&] { select([&] { p.prog.browser_choice.Command3.click(); }); });
    EXPECT_EQ(p.prog.browser_path, old) << "Cancel";
    in_apps_window([&] {
        select([&] { p.prog.browser_choice.Command1.click(); });
        EXPECT_EQ(apps.o_browser.text(), ns);
    });
    EXPECT_EQ(p.prog.browser_path, ns);
    in_apps_window([&] { select([&] { p.prog.browser_choice.Command2.click(); }); });
    EXPECT_EQ(p.prog.browser_path, ie);
    EXPECT_THAT(p.registry_keys.access_asked(), ::testing::Each(reg::key_read));
    EXPECT_EQ(p.registry_keys.keys_open(), 0);
    EXPECT_THAT(p.file("tw.ini"), ::testing::Not(::testing::HasSubstr("Browser=")))
        << "stored only when the program ends";
}

// Values of another type and paths of missing files count as no browser.
TEST_F(browser_selection_test, without_a_usable_registered_browser_the_file_dialog_is_offered) {
    register_browser(iexplore_key_name, ie, 2);
    register_browser(netscape_key_name, p.folder / "gone/netscape.exe");
    const std::string upper = p.folder / "any/NETSCAPE.EXE";
    p.write("any/NETSCAPE.EXE", "");
    p.write("mybrowser.exe", "");
    const struct {
        std::string before, picked, folder, after;  // picked "" cancels
        bool refused = false;
    } rows[] = {
        {"", "", p.folder.path().string(), ""},
        {old, upper, native_paths().stored(p.folder / "old/"), native_paths().stored(upper)},
        {"", p.folder / "mybrowser.exe", p.folder.path().string(), "", true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.picked);
        p.prog.browser_path = r.before;
        p.dialogs.answer_file_dialog(r.picked);
        if (r.refused)
            p.dialogs.expect_message(
                "Currently, the only supported browsers are the Netscape Navigator and Microsoft "
                "Internet Explorer.");
        in_apps_window([&] { select(); });
        const file_request& asked = p.dialogs.file_requests().back();
        EXPECT_EQ(asked.title, "Select Internet Browser");
        EXPECT_EQ(asked.filter, "Browsers (*.exe)|*.exe|All Files (*.*)|*.*");
        EXPECT_EQ(asked.initial_folder, r.folder);
        EXPECT_EQ(p.prog.browser_path, r.after);
    }
    EXPECT_EQ(p.dialogs.messages().back().flags, box::ok_only);
    EXPECT_THAT(p.file("tw.ini"),
                ::testing::HasSubstr("Browser=" + native_paths().stored(upper) + "\r\n"))
        << "a browser picked in the file dialog is stored at once";
}

TEST_F(browser_selection_test, exit_takes_the_typed_path_and_a_box_naming_no_file_is_emptied) {
    in_apps_window([&] {
        apps.o_browser.set_text(p.folder / "nothing.exe");
        apps.o_browser.lost_focus();
        EXPECT_EQ(apps.o_browser.text(), "");
        apps.o_browser.set_text(ns);
        apps.o_browser.lost_focus();
        apps.Command3.click();
    });
    EXPECT_EQ(p.dialogs.beeps(), 1);
    EXPECT_EQ(p.prog.browser_path, ns);

    in_apps_window([&] { apps.o_browser.set_text(ie); });  // left with the close box
    EXPECT_EQ(p.prog.browser_path, ns) << "a typed path counts only with Exit";
    in_apps_window([&] {
        apps.o_browser.set_text(ie);
        apps.menuFileItem_exit.click(99);
    });
    EXPECT_EQ(p.prog.browser_path, ie);
}

}  // namespace
}  // namespace tw
