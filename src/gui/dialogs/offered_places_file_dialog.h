#pragma once

#include <QFileDialog>
#include <QList>
#include <QUrl>
#include <string>
#include <vector>

namespace ordavex {

// Qt's file dialog with folders of the program's own offered in its side bar for this showing
// only. Qt keeps the side bar a dialog closes with for every later one, in any Qt program of the
// user's; the dialog takes the folders it offered back before it goes, and leaves whatever else
// the user changed in the side bar.
class OfferedPlacesFileDialog : public QFileDialog {
public:
    OfferedPlacesFileDialog(QWidget* owner, const QString& title);
    ~OfferedPlacesFileDialog() override;

    // Adds each existing folder that the side bar does not show yet after its usual places.
    void OfferSidebarFolders(const std::vector<std::string>& folders);

private:
    QList<QUrl> offered_;
};

}  // namespace ordavex
