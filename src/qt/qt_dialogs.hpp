#pragma once

#include <functional>
#include <unordered_map>
#include <vector>

#include "forms/modal_forms.hpp"
#include "toolkit/dialogs.hpp"

class QDialog;
class QMessageBox;

namespace tw {

// Qt's message boxes, file dialogs and modal forms.
//
// A modal form shows as a QDialog that follows the form's window (caption,
// size, visible; the close box and Escape fire its unload). What it holds
// comes from the view registered for the form: a function that fills the
// dialog with widgets tied to the form's controls, usually built from the
// form's layout. Register each form's view once, before the form is first
// shown, e.g. in main(): dialogs.register_views(modal_forms(program));
// A form without a view shows as an empty dialog.
//
// On the "offscreen" platform nobody can answer, so unattended runs never
// hang: a message goes to standard error as "title: text" and gets its
// default answer (OK, or Yes of a Yes/No box), a file dialog is cancelled,
// and a modal form closes at once. A GUI test that wants to use a form sets
// an offscreen user: each form's dialog (a form opened from another one
// too) is then built and shown without blocking, handed to the user, and
// closed afterwards unless the user's clicks hid it.
class qt_dialogs : public dialogs {
public:
    using view_builder = std::function<void(QDialog&)>;
    using offscreen_user = std::function<void(QDialog&)>;

    void register_view(const window& form, view_builder build);
    // Each form shows as built from its layout.
    void register_views(std::vector<modal_form> forms);
    void set_offscreen_user(offscreen_user use) { offscreen_user_ = std::move(use); }

    int message(const std::string& text, int flags, const std::string& title) override;
    std::string open_file(const file_request& request) override;
    void beep() override;
    void dismiss_message() override;
    size_twips screen_size() const override;

protected:
    void run_modal(window& form) override;

private:
    std::unordered_map<const window*, view_builder> views_;
    offscreen_user offscreen_user_;
    std::vector<QMessageBox*> open_boxes_;  // innermost last
};

}  // namespace tw
