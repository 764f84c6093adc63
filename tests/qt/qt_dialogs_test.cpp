#include "qt/qt_dialogs.hpp"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QListView>
#include <QTimer>
#include <filesystem>

#include "qt/file_dialog.hpp"
#include "qt/file_filter.hpp"
#include "temp_folder.hpp"
#include "toolkit/window.hpp"

namespace tw {
namespace {

// With nobody to answer, no dialog may wait: messages go to stderr with their default answer.
TEST(qt_dialogs_offscreen, no_dialog_waits_for_an_answer) {
    qt_dialogs dialogs;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(dialogs.message("Connected.", box::information, "Tarnwick v1.20"), box::ok);
    EXPECT_EQ(dialogs.message("Disconnect now?", box::yes_no | box::exclamation, "Disconnect"),
              box::yes);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Tarnwick v1.20: Connected.\nDisconnect: Disconnect now?\n");
    EXPECT_EQ(dialogs.open_file({"Open", "Text|*.txt", "/tmp", ""}), "");
    window form;
    bool unloaded = false;
    form.unload.connect([&] { unloaded = true; });
    dialogs.show_modal(form);
    EXPECT_TRUE(unloaded);
}

// The user sees each description once; Qt matches the hidden last group, where
// "*.*" also takes names without a dot.
TEST(qt_file_filter, each_description_shown_once_and_all_matches_every_name) {
    std::string filters;
    for (const file_filter_choice& choice :
         file_filter_choices("Log (*.log)|*.log|Text|*.txt;*.asc|All (*.*)|*.*|Dangling"))
        filters += qt_name_filter(choice) + ";";
    EXPECT_EQ(filters, "Log (*.log) (*.log);Text (*.txt *.asc) (*.txt *.asc);All (*.*) (*);");
    for (const auto& [names, mode] : {std::pair{file_names::existing, QFileDialog::ExistingFile},
                                      {file_names::new_allowed, QFileDialog::AnyFile}}) {
        const auto dialog = make_file_dialog(
            {"Save", "Log (*.log)|*.log|All (*.*)|*.*", "/tmp", "", names}, nullptr);
        const auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(types, nullptr);
        EXPECT_EQ(types->itemText(0) + "|" + types->itemText(1), "Log (*.log)|All (*.*)");
        EXPECT_EQ(dialog->fileMode(), mode);
    }
}

// The names a file dialog lists in its folder once it has read it.
QStringList listed(QFileDialog& dialog) {
    auto* files = dialog.findChild<QFileSystemModel*>();
    QEventLoop loop;
    // Other folders (the root, the parents) may be read first.
    QObject::connect(files, &QFileSystemModel::directoryLoaded, &loop, [&](const QString& path) {
        if (path == dialog.directory().absolutePath()) loop.quit();
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    const auto* view = dialog.findChild<QListView*>("listView");
    QStringList names;
    for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
        names << view->model()->index(row, 0, view->rootIndex()).data().toString();
    names.sort();
    return names;
}

// A program here need not end in ".exe": the program filter also lists every
// file that may be executed.
TEST(qt_file_dialog, the_program_filter_lists_executable_files_and_the_log_is_saved_by_save) {
    testing::temp_folder folder;
    std::filesystem::create_directory(folder / "bin");
    for (const char* name : {"fetch", "notes.txt", "setup.EXE"})
        testing::write_file(folder / name, "");
    std::filesystem::permissions(folder / "fetch", std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);
    const auto dialog =
        make_file_dialog({"Select An Application", "Application (*.exe)|*.exe|All (*.*)|*.*",
                          folder.path().string(), "", file_names::new_allowed},
                         nullptr);
    EXPECT_EQ(listed(*dialog), (QStringList{"bin", "fetch", "setup.EXE"}));
    QKeyEvent all(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(dialog->findChild<QComboBox*>("fileTypeCombo"), &all);
    const auto* view = dialog->findChild<QListView*>("listView");
    EXPECT_EQ(view->model()->rowCount(view->rootIndex()), 4) << "All (*.*)";

    const auto save = make_file_dialog({"Select the Text File Containing Addresses", "Log|*.log",
                                        "/tmp", "", file_names::new_allowed, file_action::save},
                                       nullptr);
    EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(save->fileMode(), QFileDialog::AnyFile);
    EXPECT_NE(save->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save), nullptr);
}

}  // namespace
}  // namespace tw
