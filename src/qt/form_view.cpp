#include "qt/form_view.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>
#include <map>

#include "qt/adapters.hpp"
#include "qt/bound_widget.hpp"
#include "qt/item_list_adapter.hpp"
#include "toolkit/twips.hpp"

namespace tw {

namespace {

void give_look(QLabel* widget, label_look look) {
    widget->setWordWrap(true);
    switch (look) {
        case label_look::plain:
            break;
        case label_look::sunken:
            widget->setFrameShape(QFrame::StyledPanel);
            break;
        case label_look::heading: {
            QFont large = widget->font();
            large.setPointSize(large.pointSize() * 2);
            large.setBold(true);
            widget->setFont(large);
            break;
        }
        case label_look::link:
            widget->setCursor(Qt::PointingHandCursor);
            widget->setStyleSheet("color: blue; text-decoration: underline;");
            break;
    }
}

// Builds one page: each control becomes its widget, in its frame's group box
// or on the page, at its place. Option buttons are tied once their whole
// group is built.
class page_builder {
public:
    explicit page_builder(QWidget* page) : page_(page) {}

    void add(const placement& p) {
        QWidget* parent = p.in ? frames_.at(p.in) : page_;
        QWidget* widget =
            std::visit([&](auto control) { return make(control, p, parent); }, p.control);
        const int dpi_x = page_->logicalDpiX(), dpi_y = page_->logicalDpiY();
        widget->setGeometry(twips_to_pixels(p.at.left, dpi_x), twips_to_pixels(p.at.top, dpi_y),
                            twips_to_pixels(p.at.width, dpi_x),
                            twips_to_pixels(p.at.height, dpi_y));
    }

    void tie_option_groups() {
        for (auto& [group, widgets] : groups_) adapt(group, widgets);
    }

private:
    QWidget* make(frame* control, const placement& p, QWidget* parent) {
        auto* group = bound<QGroupBox>(*control, p.name, parent);
        frames_[control] = group;
        return group;
    }
    QWidget* make(label* control, const placement& p, QWidget* parent) {
        auto* widget = bound<QLabel>(*control, p.name, parent);
        give_look(widget, p.look);
        return widget;
    }
    QWidget* make(option_choice choice, const placement& p, QWidget* parent) {
        auto* widget = new QRadioButton(parent);
        widget->setObjectName(p.name);
        auto& widgets = groups_[choice.group];
        widgets.resize(choice.group.size());
        widgets[static_cast<std::size_t>(choice.choice - choice.group.data())] = widget;
        return widget;
    }
    QWidget* make(button* control, const placement& p, QWidget* parent) {
        return bound<QPushButton>(*control, p.name, parent);
    }
    QWidget* make(check_box* control, const placement& p, QWidget* parent) {
        return bound<QCheckBox>(*control, p.name, parent);
    }
    QWidget* make(text_box* control, const placement& p, QWidget* parent) {
        return bound<QLineEdit>(*control, p.name, parent);
    }
    QWidget* make(combo_box* control, const placement& p, QWidget* parent) {
        return bound<QComboBox>(*control, p.name, parent);
    }
    QWidget* make(list_box* control, const placement& p, QWidget* parent) {
        return bound<QListWidget>(*control, p.name, parent);
    }
    QWidget* make(scroll_bar* control, const placement& p, QWidget* parent) {
        return bound<QScrollBar>(*control, p.name, parent);
    }
    QWidget* make(drive_list* control, const placement& p, QWidget* parent) {
        return bound<QComboBox>(*control, p.name, parent);
    }
    QWidget* make(folder_list* control, const placement& p, QWidget* parent) {
        return bound<QTreeView>(*control, p.name, parent);
    }

    struct span_order {
        bool operator()(std::span<option_button> a, std::span<option_button> b) const {
            return a.data() < b.data();
        }
    };

    QWidget* page_;
    std::map<const frame*, QWidget*> frames_;
    std::map<std::span<option_button>, std::vector<QRadioButton*>, span_order> groups_;
};

QWidget* build_page(const std::vector<placement>& controls, QWidget* parent) {
    auto* page = new QWidget(parent);
    page_builder builder(page);
    for (const placement& p : controls) builder.add(p);
    builder.tie_option_groups();
    return page;
}

void add_item(QMenu* menu, menu_item& item, const QString& name) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(name);
    adapt(item, action);
}

}  // namespace

QWidget* build_pages(const form_layout& layout, QWidget* parent) {
    if (!layout.tabs) return build_page(layout.pages.front(), parent);
    auto* tabs = new QTabWidget(parent);
    tabs->setObjectName(layout.tabs_name);
    for (const auto& page : layout.pages) tabs->addTab(build_page(page, tabs), QString());
    // The strip comes last in the Tab order, after every page's controls.
    QWidget* last = nullptr;
    for (QWidget* w = tabs->nextInFocusChain(); tabs->isAncestorOf(w); w = w->nextInFocusChain())
        if (w->focusPolicy() != Qt::NoFocus) last = w;
    QWidget::setTabOrder(last, tabs->tabBar());
    adapt(*layout.tabs, tabs);
    return tabs;
}

void build_menus(const form_layout& layout, QMenuBar* bar) {
    for (const menu_layout& menu : layout.menus) {
        QMenu* drop_down = bar->addMenu(QString::fromUtf8(menu.title));
        for (const menu_entry& entry : menu.entries) {
            add_item(drop_down, *entry.item, entry.name);
            if (entry.submenu.empty()) continue;
            auto* submenu = new QMenu(bar);
            for (menu_item& item : entry.submenu)
                add_item(submenu, item,
                         QStringLiteral("%1_%2").arg(entry.submenu_name).arg(item.index()));
            drop_down->actions().constLast()->setMenu(submenu);
        }
    }
}

void build_form_view(const form_layout& layout, QWidget& owner) {
    QFont design_font = owner.font();
    design_font.setPointSize(form_font_points);
    owner.setFont(design_font);
    auto* column = new QVBoxLayout(&owner);
    column->setContentsMargins(0, 0, 0, 0);
    if (!layout.menus.empty()) {
        auto* bar = new QMenuBar(&owner);
        build_menus(layout, bar);
        column->setMenuBar(bar);
    }
    column->addWidget(build_pages(layout, &owner), 1);
}

}  // namespace tw
