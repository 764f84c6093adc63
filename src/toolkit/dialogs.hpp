#pragma once

#include <string>

#include "toolkit/window.hpp"

namespace tw {

// Message-box flags and answers, as the program's messages name them.
namespace box {
constexpr int ok_only = 0;
constexpr int yes_no = 4;
constexpr int critical = 16;
constexpr int exclamation = 48;
constexpr int information = 64;

constexpr int ok = 1;
constexpr int cancel = 2;
constexpr int yes = 6;
constexpr int no = 7;
}  // namespace box

// Whether the dialog takes only a file that is there, or also a name typed
// in that does not exist yet (a log saved to a new file).
enum class file_names { existing, new_allowed };

// Whether the dialog opens a file or saves to one (its button says so).
enum class file_action { open, save };

// What the common file dialog is asked to show. The filter is the
// "Description|*.ext|Description|*.ext" form.
struct file_request {
    std::string title;
    std::string filter;
    std::string initial_folder;
    std::string file_name;
    file_names names = file_names::existing;
    file_action action = file_action::open;
};

struct size_twips {
    int width;
    int height;
};

// Everything that asks the user something or shows a form modally.
class dialogs {
public:
    virtual ~dialogs() = default;

    // Shows a message box; returns the answer (box::ok, box::yes, box::no, ...).
    virtual int message(const std::string& text, int flags, const std::string& title) = 0;
    // The chosen file's path, or "" when the user cancelled.
    virtual std::string open_file(const file_request& request) = 0;
    // Shows `form` modally: the form becomes visible, and the call returns
    // once its own code hides it again or the user closes it (its unload
    // fires then). The form is hidden afterwards either way.
    void show_modal(window& form) {
        form.set_visible(true);
        run_modal(form);
        form.set_visible(false);
    }
    virtual void beep() = 0;
    // Closes the innermost message box being shown, as if its default button
    // were pressed; its message() then returns that answer.
    virtual void dismiss_message() {}
    // The screen's size, for centring forms.
    virtual size_twips screen_size() const { return {28800, 16200}; }

protected:
    // Shows the visible `form` until it is hidden or closed.
    virtual void run_modal(window& form) = 0;
};

}  // namespace tw
