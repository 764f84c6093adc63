#include "qt/item_list_adapter.hpp"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>
#include <functional>
#include <string>
#include <utility>

#include "qt/control_adapter.hpp"
#include "qt/event_hook.hpp"
#include "qt/qt_text.hpp"

namespace tw {

namespace {

// Through the view, so that it knows the program chose the row: with none
// chosen, the focus coming in by Tab then takes none either.
void select_row(QListWidget* widget, int row) {
    widget->setCurrentIndex(widget->model()->index(row, 0));
}
void select_row(QComboBox* widget, int row) { widget->setCurrentIndex(row); }

void set_row_text(QListWidget* widget, int row, const QString& text) {
    widget->item(row)->setText(text);
}
void set_row_text(QComboBox* widget, int row, const QString& text) {
    widget->setItemText(row, text);
}

void remove_row(QListWidget* widget, int row) { delete widget->takeItem(row); }
void remove_row(QComboBox* widget, int row) { widget->removeItem(row); }

// Follows each change of the items as it happens, so filling a list of n
// items costs n steps, not n comparisons of whole lists.
template <class Control, class Widget>
class item_list_adapter : public control_adapter<Control, Widget> {
public:
    item_list_adapter(Control& control, Widget* widget)
        : control_adapter<Control, Widget>(control, widget),
          follow_(control.items_changed.connect(
              [this](item_change c) { this->quietly([&] { follow(c); }); })) {
        QStringList items;
        for (const std::string& item : control.items()) items << to_qt(item);
        this->quietly([&] { widget->addItems(items); });
    }

protected:
    void mirror() override { select_row(this->widget(), this->control().list_index()); }

private:
    void follow(item_change change) {
        Widget* widget = this->widget();
        switch (change.kind) {
            case item_change::appended:
                widget->addItem(to_qt(this->control().item(change.index)));
                break;
            case item_change::removed:
                remove_row(widget, change.index);
                break;
            case item_change::replaced:
                set_row_text(widget, change.index, to_qt(this->control().item(change.index)));
                break;
            case item_change::cleared:
                widget->clear();
                break;
        }
    }

    scoped_connection follow_;
};

class list_box_adapter : public item_list_adapter<list_box, QListWidget> {
public:
    list_box_adapter(list_box& control, QListWidget* widget) : item_list_adapter(control, widget) {
        widget->setSelectionMode(QAbstractItemView::SingleSelection);
        connect(widget, &QListWidget::currentRowChanged, this, [this](int row) {
            from_user([this, row] { this->control().set_list_index(row); });
        });
    }
};

// The line edit of an editable combo box, which tells when the user ends
// typing: Enter, or the focus leaving it for another control. Meanwhile Qt
// may take typed text that names an item for a pick of that item; that is
// no pick by the user.
class typing_line_edit : public QLineEdit {
public:
    typing_line_edit(QWidget* parent, std::function<void()> typing_ended)
        : QLineEdit(parent), typing_ended_(std::move(typing_ended)) {}

    bool ending() const { return ending_; }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            end([&] { QLineEdit::keyPressEvent(event); }, true);
        else
            QLineEdit::keyPressEvent(event);
    }
    // Switching to another application or opening a list is no end of typing.
    void focusOutEvent(QFocusEvent* event) override {
        const bool left = event->reason() != Qt::ActiveWindowFocusReason &&
                          event->reason() != Qt::PopupFocusReason;
        end([&] { QLineEdit::focusOutEvent(event); }, left);
    }

private:
    template <class F>
    void end(F&& handle, bool ended) {
        ending_ = true;
        handle();
        ending_ = false;
        if (ended) typing_ended_();
    }

    std::function<void()> typing_ended_;
    bool ending_ = false;
};

class combo_box_adapter : public item_list_adapter<combo_box, QComboBox> {
public:
    combo_box_adapter(combo_box& control, QComboBox* widget) : item_list_adapter(control, widget) {
        wheel_only_with_focus(widget);
        widget->setEditable(control.editable());
        if (control.editable()) {
            typed_ = new typing_line_edit(
                widget, [this] { from_user([this] { this->control().edit_ended(); }); });
            widget->setLineEdit(typed_);
            connect(typed_, &QLineEdit::textEdited, this, [this](const QString& text) {
                from_user([&] { this->control().set_text(from_qt(text)); });
            });
        }
        widget->setInsertPolicy(QComboBox::NoInsert);
        connect(widget, &QComboBox::activated, this, [this](int row) {
            if (typed_ && typed_->ending()) return;
            from_user([this, row] { this->control().set_list_index(row); });
        });
    }

protected:
    // Selecting a row replaces the typed text (with none selected, by
    // nothing); the control's text wins, with the caret where it was.
    void mirror() override {
        if (!typed_) return item_list_adapter::mirror();
        const int caret = typed_->cursorPosition();
        item_list_adapter::mirror();
        if (const QString text = to_qt(control().text()); typed_->text() != text) {
            typed_->setText(text);
            typed_->setCursorPosition(caret);
        }
    }

private:
    typing_line_edit* typed_ = nullptr;
};

}  // namespace

void adapt(list_box& control, QListWidget* widget) { attach<list_box_adapter>(control, widget); }
void adapt(combo_box& control, QComboBox* widget) { attach<combo_box_adapter>(control, widget); }

}  // namespace tw
