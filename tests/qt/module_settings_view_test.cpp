#include <gtest/gtest.h>

#include <QtWidgets>
#include <filesystem>

#include "forms/modal_forms.hpp"
#include "platform/ini_document.hpp"
#include "qt/qt_dialogs.hpp"
#include "test_program.hpp"

namespace tw {
namespace {

void retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, ch);
        QApplication::sendEvent(edit, &press);
    }
}

// The program on the simulated clock whose settings forms show as Qt dialogs.
struct module_views : ::testing::Test {
    module_views() {
        dialogs.register_views(modal_forms(p.prog));
        p.write("task.ini", "[Tasks]\r\ntask0=" + monitor + "\r\n");
        p.start_up();
    }
    std::string fcd(const char* key, const char* section = "Current") const {
        return ini_document(p.file("fcd.ini")).read(section, key);
    }

    qt_dialogs dialogs;
    testing::test_program p{{.other_dialogs = &dialogs}};
    const std::string monitor = p.folder / "wpmfc.exe";
};

TEST_F(module_views, each_form_is_filled_through_its_widgets_and_ok_stores_it) {
    dialogs.set_offscreen_user([](QDialog& d) {
        EXPECT_EQ(d.findChild<QComboBox*>("o_data_source")->currentText(), "Yahoo");
        EXPECT_EQ(d.findChild<QComboBox*>("o_email_drive")->currentText(), "/");
        retype(d.findChild<QLineEdit*>("o_cpid"), "12345");
        retype(d.findChild<QLineEdit*>("o_override_email"), "ann@example.org");
        d.findChild<QPushButton*>("Command1")->click();
    });
    std::string stock = p.folder / "stockfc.exe";
    p.drive([&] { p.prog.editor.add_application(stock); });
    EXPECT_EQ(fcd("CPID"), "12345");
    EXPECT_EQ(fcd("Override Email Address", "Stock Quote Module"), "ann@example.org");

    const std::string mail = p.folder / "mail";
    std::filesystem::create_directory(mail);
    dialogs.set_offscreen_user([&](QDialog& d) {
        EXPECT_EQ(d.findChild<QLineEdit*>("o_cpid")->text(), "12345");
        auto* folders = d.findChild<QTreeView*>("o_email_dir");
        auto* model = static_cast<QFileSystemModel*>(folders->model());
        emit folders->clicked(model->index(QString::fromStdString(mail)));
        EXPECT_EQ(d.findChild<QLabel*>("l_email_directory")->text().toStdString(), mail);
        d.findChild<QPushButton*>("Command1")->click();
    });
    p.main().o_application.set_caption(monitor);
    p.drive([&] { p.main().menuAppsItem_web_monitor.click(80); });
    EXPECT_EQ(fcd("Email Outbox Directory"), mail);
    const std::string line = p.main().o_parameters.text();

    // Escape closes the form as its close box does: the typed ID is not stored
    // and the line comes from what is.
    dialogs.set_offscreen_user([](QDialog& d) {
        auto* id = d.findChild<QLineEdit*>("o_cpid");
        retype(id, "999");
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(id, &escape);
        EXPECT_FALSE(d.isVisible());
    });
    p.drive([&] { p.main().menuAppsItem_web_monitor.click(80); });
    EXPECT_EQ(fcd("CPID"), "12345");
    EXPECT_EQ(p.main().o_parameters.text(), line);
}

}  // namespace
}  // namespace tw
