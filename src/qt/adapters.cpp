#include "qt/adapters.hpp"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileSystemModel>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTreeView>
#include <cassert>

#include "qt/control_adapter.hpp"
#include "qt/event_hook.hpp"
#include "qt/qt_text.hpp"
#include "toolkit/readable_text.hpp"

namespace tw {

namespace {

void show_caption(QAbstractButton* widget, const QString& text) { widget->setText(text); }
void show_caption(QLabel* widget, const QString& text) { widget->setText(text); }
void show_caption(QGroupBox* widget, const QString& text) { widget->setTitle(text); }

// Controls whose whole look is a caption.
template <class Control, class Widget>
class caption_adapter : public control_adapter<Control, Widget> {
public:
    using control_adapter<Control, Widget>::control_adapter;

protected:
    void mirror() override { show_caption(this->widget(), to_qt(this->control().caption())); }
};

void on_click(QAbstractButton* widget, QObject* context, std::function<void()> handler) {
    QObject::connect(widget, &QAbstractButton::clicked, context, std::move(handler));
}
void on_click(QLabel* widget, QObject*, std::function<void()> handler) {
    on_event(widget, QEvent::MouseButtonRelease, [handler = std::move(handler)](QEvent& event) {
        if (static_cast<QMouseEvent&>(event).button() == Qt::LeftButton) handler();
    });
}

// Buttons and labels: a caption, and the user's click.
template <class Control, class Widget>
class click_adapter : public caption_adapter<Control, Widget> {
public:
    click_adapter(Control& control, Widget* widget)
        : caption_adapter<Control, Widget>(control, widget) {
        on_click(widget, this, [this] { this->from_user([this] { this->control().click(); }); });
    }
};

Qt::CheckState check_state(int value) {
    return value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked;
}

// The user ticks or clears; greyed is for the program to set.
class check_box_adapter : public caption_adapter<check_box, QCheckBox> {
public:
    check_box_adapter(check_box& control, QCheckBox* widget) : caption_adapter(control, widget) {
        connect(widget, &QCheckBox::clicked, this, [this] {
            from_user([this] { this->control().set_value(this->widget()->isChecked() ? 1 : 0); });
        });
    }

protected:
    void mirror() override {
        caption_adapter::mirror();
        widget()->setTristate(control().value() == 2);
        widget()->setCheckState(check_state(control().value()));
    }
};

// Qt's own exclusivity is off: the widgets show exactly what the controls
// hold, and a pick is `choose`'s: it clears the rest of the group first.
class option_adapter : public caption_adapter<option_button, QRadioButton> {
public:
    option_adapter(option_button& control, QRadioButton* widget, std::span<option_button> group)
        : caption_adapter(control, widget), group_(group) {
        widget->setAutoExclusive(false);
        connect(widget, &QRadioButton::clicked, this,
                [this] { from_user([this] { choose(this->control(), group_); }); });
    }

protected:
    void mirror() override {
        caption_adapter::mirror();
        widget()->setChecked(control().value());
    }

private:
    std::span<option_button> group_;
};

QColor qt_colour(colour c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// 0x00BBGGRR, or a system colour, which leaves the widget's own palette; on a
// colour of its own the text takes the colour that reads best on it.
QPalette palette_for(colour c, QPalette::ColorRole role, QPalette::ColorRole text_role) {
    QPalette palette;
    if (!(c & 0x80000000u)) {
        palette.setColor(role, qt_colour(c));
        palette.setColor(text_role, qt_colour(text_colour_on(c)));
    }
    return palette;
}

class text_box_adapter : public control_adapter<text_box, QLineEdit> {
public:
    text_box_adapter(text_box& control, QLineEdit* widget) : control_adapter(control, widget) {
        connect(widget, &QLineEdit::textEdited, this, [this](const QString& text) {
            from_user([&] { this->control().set_text(from_qt(text)); });
        });
        // Switching to another application or opening a menu is no loss of focus.
        on_event(widget, QEvent::FocusOut, [this](QEvent& event) {
            const Qt::FocusReason reason = static_cast<QFocusEvent&>(event).reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                from_user([this] { this->control().lost_focus(); });
        });
    }

protected:
    void mirror() override {
        // Only on a change, as setText moves the caret to the end.
        if (const QString text = to_qt(control().text()); widget()->text() != text)
            widget()->setText(text);
        widget()->setReadOnly(control().locked());
        if (shown_colour_ != control().back_colour()) {
            shown_colour_ = control().back_colour();
            widget()->setPalette(palette_for(shown_colour_, QPalette::Base, QPalette::Text));
        }
    }

private:
    colour shown_colour_ = system_window_colour;
};

bool is_enter(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

class button_adapter : public click_adapter<button, QPushButton> {
public:
    // Enter presses the button that has the focus, as Space does, in a form
    // as in a dialog.
    button_adapter(button& control, QPushButton* widget) : click_adapter(control, widget) {
        intercept_event(widget, QEvent::KeyPress, [widget](QEvent& event) {
            if (!is_enter(static_cast<QKeyEvent&>(event))) return false;
            widget->click();
            return true;
        });
    }

protected:
    void mirror() override {
        click_adapter::mirror();
        if (shown_colour_ != control().back_colour()) {
            shown_colour_ = control().back_colour();
            widget()->setPalette(
                palette_for(shown_colour_, QPalette::Button, QPalette::ButtonText));
        }
    }

private:
    colour shown_colour_ = system_button_face;
};

// The bar takes the focus with Tab, so Up and Down work it as its arrows do.
class scroll_bar_adapter : public control_adapter<scroll_bar, QScrollBar> {
public:
    scroll_bar_adapter(scroll_bar& control, QScrollBar* widget) : control_adapter(control, widget) {
        widget->setFocusPolicy(Qt::StrongFocus);
        // Arrows, paging and dragging; the position is already the new value.
        connect(widget, &QScrollBar::actionTriggered, this, [this] {
            from_user([this] { this->control().set_value(this->widget()->sliderPosition()); });
        });
    }

protected:
    void mirror() override {
        widget()->setRange(control().min(), control().max());
        widget()->setValue(control().value());
    }
};

class tab_adapter : public control_adapter<tab_control, QTabWidget> {
public:
    tab_adapter(tab_control& control, QTabWidget* widget) : control_adapter(control, widget) {
        connect(widget, &QTabWidget::currentChanged, this,
                [this](int tab) { from_user([this, tab] { this->control().set_tab(tab); }); });
    }

protected:
    void mirror() override {
        const auto& captions = control().captions();
        for (int i = 0; i < widget()->count() && i < static_cast<int>(captions.size()); ++i)
            widget()->setTabText(i, to_qt(captions[static_cast<std::size_t>(i)]));
        widget()->setCurrentIndex(control().tab());
    }
};

class menu_adapter : public control_adapter<menu_item, QAction> {
public:
    menu_adapter(menu_item& control, QAction* widget) : control_adapter(control, widget) {
        connect(widget, &QAction::triggered, this,
                [this] { from_user([this] { this->control().click(this->control().index()); }); });
    }

protected:
    void mirror() override {
        // Some styles draw a separator's text as a heading, so a line keeps none.
        const bool line = control().caption() == "-";
        widget()->setSeparator(line);
        widget()->setText(line ? QString() : to_qt(control().caption()));
    }
};

class path_list_adapter : public control_adapter<path_list, QTreeView> {
public:
    path_list_adapter(path_list& control, QTreeView* widget)
        : control_adapter(control, widget), folders_(new QFileSystemModel(widget)) {
        folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
        folders_->setRootPath(QDir::rootPath());
        widget->setModel(folders_);
        widget->setHeaderHidden(true);
        for (int column = 1; column < folders_->columnCount(); ++column) widget->hideColumn(column);
        connect(widget, &QTreeView::clicked, this, [this](const QModelIndex& index) {
            from_user([&] { this->control().set_path(from_qt(folders_->filePath(index))); });
        });
    }

protected:
    void mirror() override {
        const QModelIndex index = folders_->index(to_qt(control().path()));
        if (index == widget()->currentIndex()) return;
        widget()->setCurrentIndex(index);
        widget()->scrollTo(index);
    }

private:
    QFileSystemModel* folders_;
};

class drive_list_adapter : public control_adapter<drive_list, QComboBox> {
public:
    drive_list_adapter(drive_list& control, QComboBox* widget) : control_adapter(control, widget) {
        wheel_only_with_focus(widget);
        connect(widget, &QComboBox::activated, this, [this](int row) {
            from_user([&] { this->control().set_path(this->control().drives().at(row)); });
        });
    }

protected:
    void mirror() override {
        QStringList drives;
        for (const std::string& drive : control().drives()) drives << to_qt(drive);
        if (current_items() != drives) {
            widget()->clear();
            widget()->addItems(drives);
        }
        widget()->setCurrentIndex(widget()->findText(to_qt(control().path())));
    }

private:
    QStringList current_items() const {
        QStringList items;
        for (int row = 0; row < widget()->count(); ++row) items << widget()->itemText(row);
        return items;
    }
};

}  // namespace

void adapt(button& control, QPushButton* widget) { attach<button_adapter>(control, widget); }
void adapt(label& control, QLabel* widget) {
    widget->setTextFormat(Qt::PlainText);
    attach<click_adapter<label, QLabel>>(control, widget);
}
void adapt(frame& control, QGroupBox* widget) {
    attach<caption_adapter<frame, QGroupBox>>(control, widget);
}
void adapt(status_bar& control, QLabel* widget) {
    widget->setTextFormat(Qt::PlainText);
    attach<caption_adapter<status_bar, QLabel>>(control, widget);
}
void adapt(check_box& control, QCheckBox* widget) { attach<check_box_adapter>(control, widget); }
void adapt(text_box& control, QLineEdit* widget) { attach<text_box_adapter>(control, widget); }
void adapt(scroll_bar& control, QScrollBar* widget) { attach<scroll_bar_adapter>(control, widget); }
void adapt(tab_control& control, QTabWidget* widget) { attach<tab_adapter>(control, widget); }
void adapt(menu_item& control, QAction* widget) { attach<menu_adapter>(control, widget); }
void adapt(path_list& control, QTreeView* widget) { attach<path_list_adapter>(control, widget); }
void adapt(drive_list& control, QComboBox* widget) { attach<drive_list_adapter>(control, widget); }

void adapt(std::span<option_button> group, std::span<QRadioButton* const> widgets) {
    assert(group.size() == widgets.size());
    for (std::size_t i = 0; i < group.size(); ++i)
        attach<option_adapter>(group[i], widgets[i], group);
}

}  // namespace tw
