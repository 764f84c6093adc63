#include "gui/file_dialog.hpp"

#include <QDir>
#include <QFileDialog>
#include <QSplitter>

#include "gui/file_filter.hpp"
#include "gui/qt_text.hpp"

namespace tw {

std::unique_ptr<QFileDialog> make_file_dialog(const file_request& request, QWidget* parent) {
    auto dialog =
        std::make_unique<QFileDialog>(parent, to_qt(request.title), to_qt(request.initial_folder));
    // The filters carry their matching patterns in a last group the user does not see.
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    dialog->setNameFilter(to_qt(qt_file_filter(request.filter)));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(request.names == file_names::new_allowed ? QFileDialog::AnyFile
                                                                 : QFileDialog::ExistingFile);
    if (!request.file_name.empty()) dialog->selectFile(to_qt(request.file_name));
    // Qt's first layout cuts the places beside the files ("Com..." for Computer).
    if (auto* places = dialog->findChild<QSplitter*>("splitter"))
        places->setSizes({places->fontMetrics().horizontalAdvance(QStringLiteral("Computer")) + 48,
                          dialog->sizeHint().width()});
    return dialog;
}

}  // namespace tw
