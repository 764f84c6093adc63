#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <QtWidgets>
#include <cerrno>
#include <filesystem>

#include "connection/dialers/simulated_dialer.hpp"
#include "gui/form_view.hpp"
#include "gui/main_window_view.hpp"
#include "gui/qt_dialogs.hpp"
#include "gui/qt_event_loop.hpp"
#include "gui/twips.hpp"
#include "platform/browser_platform.hpp"
#include "platform/posix/posix_processes.hpp"
#include "test_application.hpp"
#include "test_program.hpp"

namespace tw {
namespace {

void type(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, ch);
        QApplication::sendEvent(widget, &press);
    }
}

TEST(modal_views, a_shown_form_can_be_filled_and_its_buttons_pressed) {
    frm_apps apps;
    apps.form.set_size(5400, 1890);
    apps.Command3.click.connect([&] { apps.form.set_visible(false); });
    int unloads = 0;
    apps.form.unload.connect([&] { ++unloads; });
    qt_dialogs dialogs;
    dialogs.register_view(apps.form,
                          [&](QDialog& d) { build_form_view(frm_apps_layout(apps), d); });

    dialogs.set_offscreen_user([&](QDialog& d) {
        const int shown = twips_to_pixels(1890, d.logicalDpiY());
        ASSERT_EQ(d.height(), shown);
        auto* exit = d.findChild<QPushButton*>("Command3");
        EXPECT_LE(exit->mapTo(&d, QPoint(0, exit->height())).y(), shown) << "Exit in view";
        EXPECT_GE(d.findChild<QGroupBox*>("f_mailsieve")->y(), shown) << "Mailsieve out of it";
        type(d.findChild<QLineEdit*>("o_browser"), "/usr/bin/firefox");
        exit->click();
    });
    dialogs.show_modal(apps.form);
    EXPECT_EQ(apps.o_browser.text(), "/usr/bin/firefox");
    EXPECT_EQ(unloads, 0);

    dialogs.set_offscreen_user([](QDialog&) {});
    dialogs.show_modal(apps.form);
    EXPECT_EQ(unloads, 1) << "a form left open is closed as with its close box";
    EXPECT_FALSE(apps.form.visible());
}

// The help page goes to a script standing in for the browser, through the
// real POSIX services: the registry, the DDE stand-in and process starts.
TEST(help_page, the_help_menu_starts_the_browser_once_with_the_page) {
    testing::temp_folder folder;
    const std::string browser = folder / "browser";
    testing::write_file(browser, "#!/bin/sh\necho \"$@\" >> \"$(dirname \"$0\")/opened.txt\"\n");
    ::chmod(browser.c_str(), 0755);
    std::filesystem::copy_file(TARNWICK_HELP_PAGE, folder / "twhelp.htm");
    testing::write_file(folder / "tw.ini", "[Current]\r\nBrowser=" + browser + "\r\n");
    const std::string system_dir = folder / "system";
    testing::write_file(default_phonebook(system_dir), "[MyISP]\r\n");

    qt_event_loop loop;
    qt_dialogs dialogs;
    testing::fixed_system_info system(folder.path().string(), system_dir, 2);
    testing::test_application app;
    simulated_dialer dialer(loop, default_phonebook(system_dir));
    posix_processes processes;
    const auto keys = make_registry();
    const auto link = make_dde_client(processes);
    program prog({loop, dialogs, dialer, processes, system, app, *keys, *link});
    main_window_view view(prog.main);
    prog.life.start_up();

    view.findChild<QAction*>("menuHelpItem_help")->trigger();
    while (::waitpid(-1, nullptr, 0) > 0 || errno == EINTR) {
    }
    EXPECT_EQ(testing::read_file(folder / "opened.txt"),
              "file://" + (folder / "twhelp.htm") + "\n");
}

}  // namespace
}  // namespace tw
