#pragma once

#include <QIdentityProxyModel>

class QFileDialog;
class QFileSystemModel;
class QTreeView;

namespace ordavex {

// The detailed listing of the program's file dialogs (Qt's own dialog, not the desktop's): sizes
// and dates written in the program's language rather than the system's, which Qt's listing
// follows, and columns wide enough to show name, size, type and date whole. The dialog opens at
// a size that leaves room for all four.
class FileDialogDetails : public QIdentityProxyModel {
    Q_OBJECT
public:
    // Fits the dialog out; it owns what is added. A desktop's own dialog is left alone.
    static void Install(QFileDialog* dialog);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit FileDialogDetails(QFileDialog* dialog);
    const QFileSystemModel* Files() const;
    // Widens size, type and date to what they show; the name takes the room left, or more.
    void FitColumns();

    QTreeView* details_ = nullptr;
};

}  // namespace ordavex
