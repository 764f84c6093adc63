#include "gui/browser_selection_view.hpp"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "gui/bound_widget.hpp"

namespace tw {

void build_browser_selection_view(frm_browser_selection& f, QDialog& dialog) {
    auto* layout = new QVBoxLayout(&dialog);
    auto* question = bound<QLabel>(f.Label1, "Label1", &dialog);
    question->setWordWrap(true);
    layout->addWidget(question, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bound<QPushButton>(f.Command1, "Command1", &dialog));
    buttons->addWidget(bound<QPushButton>(f.Command2, "Command2", &dialog));
    buttons->addWidget(bound<QPushButton>(f.Command3, "Command3", &dialog));
    layout->addLayout(buttons);
}

}  // namespace tw
