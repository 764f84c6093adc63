#include "qt/main_window_view.hpp"

#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

#include "forms/frm_main_layout.hpp"
#include "qt/bound_widget.hpp"
#include "qt/form_view.hpp"
#include "qt/window_adapter.hpp"

// Outside any namespace, where the resource's own functions are.
static void load_icon_resource() { Q_INIT_RESOURCE(icons); }

namespace tw {

namespace {

// Every size there is, so that neither the title bar nor the task switcher
// has to scale the icon.
QIcon program_icon() {
    load_icon_resource();
    QIcon icon;
    for (const QFileInfo& size : QDir(QStringLiteral(":/icons")).entryInfoList())
        icon.addFile(size.filePath());
    return icon;
}

}  // namespace

main_window_view::main_window_view(frm_main& form)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint) {
    setObjectName("frm_main");
    // The layout holds every caption in the platform's default font family
    // at 8 points; the default 9 or 10 points would cut them.
    QFont design_font = font();
    design_font.setPointSize(form_font_points);
    setFont(design_font);
    const form_layout layout = frm_main_layout(form);
    build_menus(layout, menuBar());
    setCentralWidget(build_pages(layout, this));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(bound<QLabel>(*layout.status, layout.status_name, statusBar()), 1);
    adapt(form.form, this, window_sizing::fixed);
    setWindowIcon(program_icon());
}

}  // namespace tw
