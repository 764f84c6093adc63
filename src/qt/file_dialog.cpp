#include "qt/file_dialog.hpp"

#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <algorithm>
#include <optional>

#include "qt/file_filter.hpp"
#include "qt/qt_text.hpp"

namespace tw {

namespace {

// Under a choice that takes programs, lists the folders, the files its
// patterns match and every file that may be executed; under any other
// choice, whatever Qt's own name filter lets through.
class program_files : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void take(const file_filter_choice& choice) {
        patterns_.reset();
        if (takes_programs(choice)) {
            patterns_.emplace();
            for (const std::string& pattern : qt_patterns(choice)) *patterns_ << to_qt(pattern);
        }
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        const auto* files = static_cast<const QFileSystemModel*>(sourceModel());
        const QModelIndex index = files->index(row, 0, parent);
        if (!patterns_ || files->isDir(index)) return true;
        const QFileInfo file = files->fileInfo(index);
        return file.isExecutable() || QDir::match(*patterns_, file.fileName());
    }

private:
    std::optional<QStringList> patterns_;
};

// The filter the user picks, named as shown, decides which files the proxy
// lets through. The proxy works in Qt's own dialog only.
void list_programs(QFileDialog& dialog, const std::vector<file_filter_choice>& choices) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* programs = new program_files(&dialog);
    dialog.setProxyModel(programs);
    const auto follow = [programs, choices](const QString& shown) {
        for (const file_filter_choice& choice : choices)
            if (to_qt(choice.description) == shown) return programs->take(choice);
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, programs, follow);
    programs->take(choices.front());  // the first choice is selected
}

}  // namespace

std::unique_ptr<QFileDialog> make_file_dialog(const file_request& request, QWidget* parent) {
    auto dialog =
        std::make_unique<QFileDialog>(parent, to_qt(request.title), to_qt(request.initial_folder));
    // The filters carry their matching patterns in a last group the user does not see.
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    const std::vector<file_filter_choice> choices = file_filter_choices(request.filter);
    QStringList filters;
    for (const file_filter_choice& choice : choices) filters << to_qt(qt_name_filter(choice));
    dialog->setNameFilters(filters);
    if (std::any_of(choices.begin(), choices.end(), takes_programs))
        list_programs(*dialog, choices);
    // A save dialog takes a new name too, and its button says "Save".
    const bool save = request.action == file_action::save;
    dialog->setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog->setFileMode(save || request.names == file_names::new_allowed
                            ? QFileDialog::AnyFile
                            : QFileDialog::ExistingFile);
    if (!request.file_name.empty()) dialog->selectFile(to_qt(request.file_name));
    // Qt's first layout cuts the places beside the files ("Com..." for Computer).
    if (auto* places = dialog->findChild<QSplitter*>("splitter"))
        places->setSizes({places->fontMetrics().horizontalAdvance(QStringLiteral("Computer")) + 48,
                          dialog->sizeHint().width()});
    return dialog;
}

}  // namespace tw
