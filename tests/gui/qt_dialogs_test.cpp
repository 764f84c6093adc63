#include "gui/qt_dialogs.hpp"

#include <gtest/gtest.h>

#include "gui/file_filter.hpp"
#include "toolkit/window.hpp"

namespace tw {
namespace {

TEST(qt_dialogs_offscreen, a_message_is_written_to_stderr_and_gets_its_default_answer) {
    qt_dialogs dialogs;
    testing::internal::CaptureStderr();
    const int ok = dialogs.message("Connected.", box::information, "Tarnwick v1.20");
    const int yes =
        dialogs.message("Disconnect now?", box::yes_no | box::exclamation, "Disconnect");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Tarnwick v1.20: Connected.\nDisconnect: Disconnect now?\n");
    EXPECT_EQ(ok, box::ok);
    EXPECT_EQ(yes, box::yes);
}

TEST(qt_dialogs_offscreen, a_file_dialog_is_cancelled_and_a_modal_form_closes_at_once) {
    qt_dialogs dialogs;
    EXPECT_EQ(dialogs.open_file({"Open", "Text|*.txt", "/tmp", ""}), "");

    window form;
    bool unloaded = false;
    form.unload.connect([&] { unloaded = true; });
    dialogs.show_modal(form);
    EXPECT_TRUE(unloaded);
}

TEST(qt_file_filter, pairs_become_qt_filters_and_semicolons_separate_patterns) {
    EXPECT_EQ(qt_file_filter("Programs|*.exe;*.com|All Files|*.*"),
              "Programs (*.exe *.com);;All Files (*.*)");
    EXPECT_EQ(qt_file_filter("Phone Books|*.pbk|Dangling"), "Phone Books (*.pbk)");
    EXPECT_EQ(qt_file_filter(""), "");
}

}  // namespace
}  // namespace tw
