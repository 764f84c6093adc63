#include "gui/qt_dialogs.hpp"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileDialog>

#include "gui/file_dialog.hpp"
#include "gui/file_filter.hpp"
#include "toolkit/window.hpp"

namespace tw {
namespace {

// With nobody to answer, no dialog may wait: messages go to stderr with their default answer.
TEST(qt_dialogs_offscreen, no_dialog_waits_for_an_answer) {
    qt_dialogs dialogs;
    testing::internal::CaptureStderr();
    EXPECT_EQ(dialogs.message("Connected.", box::information, "Tarnwick v1.20"), box::ok);
    EXPECT_EQ(dialogs.message("Disconnect now?", box::yes_no | box::exclamation, "Disconnect"),
              box::yes);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
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
    EXPECT_EQ(qt_file_filter("Log (*.log)|*.log|Programs|*.exe;*.com|All (*.*)|*.*|Dangling"),
              "Log (*.log) (*.log);;Programs (*.exe *.com) (*.exe *.com);;All (*.*) (*)");
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

}  // namespace
}  // namespace tw
