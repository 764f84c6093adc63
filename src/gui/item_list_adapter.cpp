#include "gui/item_list_adapter.hpp"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>
#include <string>
#include <vector>

#include "gui/control_adapter.hpp"
#include "gui/qt_text.hpp"

namespace tw {

namespace {

void remove_rows_from(QListWidget* widget, int first) {
    while (widget->count() > first) delete widget->takeItem(widget->count() - 1);
}
void remove_rows_from(QComboBox* widget, int first) {
    while (widget->count() > first) widget->removeItem(widget->count() - 1);
}

void select_row(QListWidget* widget, int row) {
    if (row < 0) widget->clearSelection();
    widget->setCurrentRow(row);
}
void select_row(QComboBox* widget, int row) { widget->setCurrentIndex(row); }

template <class Control, class Widget>
class item_list_adapter : public control_adapter<Control, Widget> {
public:
    using control_adapter<Control, Widget>::control_adapter;

protected:
    void mirror() override {
        mirror_items();
        select_row(this->widget(), this->control().list_index());
    }

private:
    // Lists like the log grow one line at a time: only the rows past the
    // first difference are replaced, not the whole list.
    void mirror_items() {
        const std::vector<std::string>& items = this->control().items();
        const auto kept = std::mismatch(shown_.begin(), shown_.end(), items.begin(), items.end());
        const auto keep = kept.first - shown_.begin();
        remove_rows_from(this->widget(), static_cast<int>(keep));
        shown_.resize(static_cast<std::size_t>(keep));
        for (auto item = kept.second; item != items.end(); ++item) {
            this->widget()->addItem(to_qt(*item));
            shown_.push_back(*item);
        }
    }

    std::vector<std::string> shown_;
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

class combo_box_adapter : public item_list_adapter<combo_box, QComboBox> {
public:
    combo_box_adapter(combo_box& control, QComboBox* widget) : item_list_adapter(control, widget) {
        widget->setEditable(control.editable());
        widget->setInsertPolicy(QComboBox::NoInsert);
        connect(widget, &QComboBox::activated, this, [this](int row) {
            from_user([this, row] { this->control().set_list_index(row); });
        });
        if (control.editable())
            connect(widget->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
                from_user([&] { this->control().set_text(from_qt(text)); });
            });
    }

protected:
    void mirror() override {
        item_list_adapter::mirror();
        // Selecting a row replaced the typed text; the control's text wins.
        if (const QString text = to_qt(control().text());
            control().editable() && widget()->currentText() != text)
            widget()->setEditText(text);
    }
};

}  // namespace

void adapt(list_box& control, QListWidget* widget) { attach<list_box_adapter>(control, widget); }
void adapt(combo_box& control, QComboBox* widget) { attach<combo_box_adapter>(control, widget); }

}  // namespace tw
