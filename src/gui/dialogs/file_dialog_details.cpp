#include "dialogs/file_dialog_details.h"

#include <QEvent>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLocale>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QTimer>
#include <QTreeView>
#include <algorithm>

#include "widgets/ui_style.h"

namespace ordavex {

namespace {

// Room for a side bar and the four columns of a usual folder.
constexpr int kDialogWidth = 13500;  // twips
constexpr int kDialogHeight = 8400;

// The columns of Qt's file listing.
constexpr int kNameColumn = 0;
constexpr int kSizeColumn = 1;
constexpr int kTypeColumn = 2;
constexpr int kDateColumn = 3;
// Qt's Italian translation leaves the type of a folder in English.
constexpr const char* kFolderType = "Cartella";
// The side bar wide enough for the names of the places it offers.
constexpr int kSideBarWidth = 2400;  // twips
constexpr int kColumnCount = 4;

// Never larger than the screen that shows the owner.
QSize DialogSize(const QWidget* dialog) {
    const QSize wanted(Px(kDialogWidth), Px(kDialogHeight));
    const QScreen* screen = dialog->screen() != nullptr ? dialog->screen() : QGuiApplication::primaryScreen();
    return screen != nullptr ? wanted.boundedTo(screen->availableSize()) : wanted;
}

}  // namespace

FileDialogDetails::FileDialogDetails(QFileDialog* dialog) : QIdentityProxyModel(dialog) {}

void FileDialogDetails::Install(QFileDialog* dialog) {
    if (!dialog->testOption(QFileDialog::DontUseNativeDialog)) return;
    auto* details = new FileDialogDetails(dialog);
    dialog->setProxyModel(details);
    dialog->resize(DialogSize(dialog));
    if (auto* splitter = dialog->findChild<QSplitter*>("splitter")) {
        splitter->setSizes({Px(kSideBarWidth), DialogSize(dialog).width() - Px(kSideBarWidth)});
    }
    details->details_ = dialog->findChild<QTreeView*>("treeView");
    if (details->details_ == nullptr) return;
    // Rows come in from a thread of Qt's, folder by folder; the view shows when the dialog does, or
    // when the user switches to the detailed listing.
    if (const QFileSystemModel* files = details->Files()) {
        connect(files, &QFileSystemModel::directoryLoaded, details, &FileDialogDetails::FitColumns);
    }
    details->details_->installEventFilter(details);
}

const QFileSystemModel* FileDialogDetails::Files() const {
    return qobject_cast<const QFileSystemModel*>(sourceModel());
}

QVariant FileDialogDetails::data(const QModelIndex& index, int role) const {
    const QFileSystemModel* files = Files();
    const int column = index.column();
    if (role != Qt::DisplayRole || files == nullptr || column == kNameColumn) {
        return QIdentityProxyModel::data(index, role);
    }
    const QModelIndex source = mapToSource(index);
    if (column == kTypeColumn) {
        return files->isDir(source) ? QVariant(QString(kFolderType)) : QIdentityProxyModel::data(index, role);
    }
    // A folder has no size; Qt writes nothing there.
    if (column == kSizeColumn) {
        return files->isDir(source) ? QIdentityProxyModel::data(index, role)
                                    : QVariant(QLocale().formattedDataSize(files->size(source)));
    }
    return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
}

bool FileDialogDetails::eventFilter(QObject* watched, QEvent* event) {
    // Fitted once the view has its size, after the show has been laid out.
    if (watched == details_ && event->type() == QEvent::Show)
        QTimer::singleShot(0, this, &FileDialogDetails::FitColumns);
    return QIdentityProxyModel::eventFilter(watched, event);
}

void FileDialogDetails::FitColumns() {
    if (details_ == nullptr || !details_->isVisible()) return;
    int othersWidth = 0;
    for (int column = kNameColumn + 1; column < kColumnCount; ++column) {
        details_->resizeColumnToContents(column);
        othersWidth += details_->header()->sectionSize(column);
    }
    details_->resizeColumnToContents(kNameColumn);
    QHeaderView* header = details_->header();
    // The rows of a long folder come in after the first fitting, and with them the scroll bar:
    // its width is kept free from the start, so that the name does not push the date out of sight.
    const QScrollBar* scroll = details_->verticalScrollBar();
    const int scrollWidth = scroll->isVisible() ? 0 : scroll->sizeHint().width();
    const int room = details_->viewport()->width() - scrollWidth - othersWidth;
    header->resizeSection(kNameColumn, std::max(header->sectionSize(kNameColumn), room));
}

}  // namespace ordavex
