#include "qt/qt_dialogs.hpp"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <iostream>

#include "qt/file_dialog.hpp"
#include "qt/form_view.hpp"
#include "qt/qt_text.hpp"
#include "qt/window_adapter.hpp"
#include "toolkit/twips.hpp"

namespace tw {

namespace {

bool nobody_to_ask() { return QGuiApplication::platformName() == "offscreen"; }

// Escape closes a form as its close box does. QDialog would only hide it, and
// the form would go on as if it were still open.
class form_dialog : public QDialog {
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->matches(QKeySequence::Cancel))
            close();
        else
            QDialog::keyPressEvent(event);
    }
};

constexpr int button_flags = 0x7;
constexpr int icon_flags = 0x70;

QMessageBox::Icon icon_for(int flags) {
    switch (flags & icon_flags) {
        case box::critical:
            return QMessageBox::Critical;
        case box::exclamation:
            return QMessageBox::Warning;
        case box::information:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

}  // namespace

int qt_dialogs::message(const std::string& text, int flags, const std::string& title) {
    const bool yes_no = (flags & button_flags) == box::yes_no;
    // A critical box tells why the program ends: a script or a service log
    // reads it there too.
    if (nobody_to_ask() || (flags & icon_flags) == box::critical)
        std::cerr << title << ": " << text << std::endl;
    if (nobody_to_ask()) return yes_no ? box::yes : box::ok;
    QMessageBox dialog(icon_for(flags), to_qt(title), to_qt(text),
                       yes_no ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                       QApplication::activeWindow());
    dialog.setDefaultButton(yes_no ? QMessageBox::Yes : QMessageBox::Ok);
    open_boxes_.push_back(&dialog);
    const int pressed = dialog.exec();
    open_boxes_.pop_back();
    switch (pressed) {
        case QMessageBox::Yes:
            return box::yes;
        case QMessageBox::No:
            return box::no;
        default:
            return box::ok;
    }
}

std::string qt_dialogs::open_file(const file_request& request) {
    if (nobody_to_ask()) return {};
    const auto dialog = make_file_dialog(request, QApplication::activeWindow());
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
    return from_qt(dialog->selectedFiles().constFirst());
}

void qt_dialogs::register_view(const window& form, view_builder build) {
    views_[&form] = std::move(build);
}

void qt_dialogs::register_views(std::vector<modal_form> forms) {
    for (modal_form& f : forms)
        register_view(*f.form,
                      [layout = std::move(f.layout)](QDialog& d) { build_form_view(layout, d); });
}

void qt_dialogs::run_modal(window& form) {
    const bool offscreen = nobody_to_ask();
    if (offscreen && !offscreen_user_) {
        form.unload();
        return;
    }
    form_dialog dialog(QApplication::activeWindow());
    if (const auto view = views_.find(&form); view != views_.end()) view->second(dialog);
    adapt(form, &dialog, window_sizing::fixed);
    if (!offscreen) {
        dialog.exec();
        return;
    }
    dialog.show();
    offscreen_user_(dialog);
    if (dialog.isVisible()) dialog.close();
}

void qt_dialogs::beep() { QApplication::beep(); }

void qt_dialogs::dismiss_message() {
    if (!open_boxes_.empty()) open_boxes_.back()->defaultButton()->click();
}

size_twips qt_dialogs::screen_size() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return dialogs::screen_size();
    const QSize size = screen->size();
    return {pixels_to_twips(size.width(), static_cast<int>(screen->logicalDotsPerInchX())),
            pixels_to_twips(size.height(), static_cast<int>(screen->logicalDotsPerInchY()))};
}

}  // namespace tw
