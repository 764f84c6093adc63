#include "gui/qt_dialogs.hpp"

#include <gtest/gtest.h>

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

TEST(qt_file_filter, pairs_become_qt_filters_and_semicolons_separate_patterns) {
    EXPECT_EQ(qt_file_filter("Programs|*.exe;*.com|All Files|*.*"),
              "Programs (*.exe *.com);;All Files (*)");
    EXPECT_EQ(qt_file_filter("Phone Books|*.pbk|Dangling"), "Phone Books (*.pbk)");
}

}  // namespace
}  // namespace tw
