#include "dialogs/qt_file_chooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <memory>

#include "dialogs/file_dialog_details.h"
#include "dialogs/offered_places_file_dialog.h"

namespace ordavex {

QFileDialog* QtFileChooser::CreateDialog(QWidget* owner, const FileDialogRequest& request) {
    auto* dialog = new OfferedPlacesFileDialog(owner, QString::fromStdString(request.title));
    const bool open = request.mode == FileDialogMode::Open;
    dialog->setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog->setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The program asks its own question about existing files; the dialog must not.
    dialog->setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog->setOption(QFileDialog::ReadOnly, false);
#if defined(Q_OS_LINUX)
    // A desktop's own dialog speaks the desktop's language; Qt's dialog speaks the program's.
    dialog->setOption(QFileDialog::DontUseNativeDialog, true);
#endif
    FileDialogDetails::Install(dialog);
    // Files saved by the program end in ".TXT"; the filter must find them on every platform.
    dialog->setFilter(dialog->filter() & ~QDir::CaseSensitive);
    dialog->setNameFilter(QString::fromStdString(request.filterName + " (" + request.pattern + ")"));
    dialog->setDefaultSuffix(QString::fromStdString(request.defaultExtension));

    const auto start = SplitStartLocation(request.initialLocation);
    if (!start.folder.empty() && QFileInfo(QString::fromStdString(start.folder)).isDir()) {
        dialog->setDirectory(QString::fromStdString(start.folder));
    }
    if (!start.fileName.empty()) dialog->selectFile(QString::fromStdString(start.fileName));
    dialog->OfferSidebarFolders(request.sidebarFolders);
    return dialog;
}

std::string QtFileChooser::ChosenPath(const QFileDialog& dialog, const FileDialogRequest& request) {
    const auto files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty()) return {};
    const auto path = QDir::toNativeSeparators(files.first()).toStdString();
    if (request.mode == FileDialogMode::Open) {
        return QFileInfo(files.first()).isFile() ? path : std::string();
    }
    return WithDefaultExtension(path, request.defaultExtension);
}

std::string QtFileChooser::FileDialog(QWidget* owner, const FileDialogRequest& request) {
    std::unique_ptr<QFileDialog> dialog(CreateDialog(owner, request));
    if (dialog->exec() != QDialog::Accepted) return {};
    return ChosenPath(*dialog, request);
}

}  // namespace ordavex
