#include <gtest/gtest.h>

#include <QtWidgets>

#include "qt/form_view.hpp"
#include "qt/qt_dialogs.hpp"
#include "toolkit/twips.hpp"
#include "web/frm_apps.hpp"

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
        EXPECT_EQ(d.frameGeometry().height(), twips_to_pixels(1890, d.logicalDpiY()))
            << "the outer height, frame included";
        type(d.findChild<QLineEdit*>("o_browser"), "/usr/bin/firefox");
        d.findChild<QPushButton*>("Command3")->click();
    });
    dialogs.show_modal(apps.form);
    EXPECT_EQ(apps.o_browser.text(), "/usr/bin/firefox");
    EXPECT_EQ(unloads, 0);

    dialogs.set_offscreen_user([](QDialog&) {});
    dialogs.show_modal(apps.form);
    EXPECT_EQ(unloads, 1) << "a form left open is closed as with its close box";
    EXPECT_FALSE(apps.form.visible());
}

}  // namespace
}  // namespace tw
