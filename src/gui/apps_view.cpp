#include "gui/apps_view.hpp"

#include <QDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

#include "gui/bound_widget.hpp"
#include "gui/event_hook.hpp"

namespace tw {

namespace {

// A frame holding a path box and its Select button.
QGroupBox* path_frame(frame& f, const char* frame_name, text_box& path, const char* path_name,
                      button& select, const char* select_name, QWidget* parent) {
    auto* group = bound<QGroupBox>(f, frame_name, parent);
    auto* row = new QHBoxLayout(group);
    row->setContentsMargins(6, 2, 6, 6);
    row->addWidget(bound<QLineEdit>(path, path_name, group), 1);
    row->addWidget(bound<QPushButton>(select, select_name, group));
    return group;
}

}  // namespace

// The rows keep their natural heights in a page as wide as the window; the
// Mailsieve frame lies just below the window's bottom edge.
void build_apps_view(frm_apps& f, QDialog& dialog) {
    auto* page = new QWidget(&dialog);
    auto* mailsieve =
        path_frame(f.f_mailsieve, "f_mailsieve", f.o_msv, "o_msv", f.Command2, "Command2", &dialog);
    on_event(&dialog, QEvent::Resize, [page, mailsieve, &dialog](QEvent&) {
        page->resize(dialog.width(), page->sizeHint().height());
        mailsieve->setGeometry(0, dialog.height(), dialog.width(), mailsieve->sizeHint().height());
    });
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);

    auto* bar = new QMenuBar(page);
    QAction* exit = bar->addMenu(QStringLiteral("&File"))->addAction(QString());
    exit->setObjectName("menuFileItem_exit");
    adapt(f.menuFileItem_exit, exit);
    layout->setMenuBar(bar);

    layout->addWidget(path_frame(f.f_browser, "f_browser", f.o_browser, "o_browser", f.Command1,
                                 "Command1", page));
    auto* exit_row = new QHBoxLayout;
    exit_row->addStretch();
    exit_row->addWidget(bound<QPushButton>(f.Command3, "Command3", page));
    layout->addLayout(exit_row);
}

}  // namespace tw
