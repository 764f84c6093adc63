#include "gui/about_view.hpp"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "gui/bound_widget.hpp"

namespace tw {

void build_about_view(frm_about& f, QDialog& dialog) {
    auto* layout = new QVBoxLayout(&dialog);
    auto* product = bound<QLabel>(f.l_product, "l_product", &dialog);
    QFont large = product->font();
    large.setPointSize(large.pointSize() * 2);
    large.setBold(true);
    product->setFont(large);
    layout->addWidget(product);
    layout->addWidget(bound<QLabel>(f.l_version, "l_version", &dialog));
    auto* description = bound<QLabel>(f.l_description, "l_description", &dialog);
    description->setWordWrap(true);
    layout->addWidget(description, 1);
    auto* ok_row = new QHBoxLayout;
    ok_row->addStretch();
    auto* ok = bound<QPushButton>(f.b_ok, "b_ok", &dialog);
    ok->setDefault(true);
    ok_row->addWidget(ok);
    layout->addLayout(ok_row);
}

}  // namespace tw
