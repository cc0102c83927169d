#include "dialogs/offered_places_file_dialog.h"

#include <QDir>
#include <QFileInfo>

namespace ordavex {

OfferedPlacesFileDialog::OfferedPlacesFileDialog(QWidget* owner, const QString& title) : QFileDialog(owner, title) {}

OfferedPlacesFileDialog::~OfferedPlacesFileDialog() {
    if (offered_.isEmpty()) return;
    QList<QUrl> places = sidebarUrls();
    for (const QUrl& place : offered_) places.removeAll(place);
    setSidebarUrls(places);
}

void OfferedPlacesFileDialog::OfferSidebarFolders(const std::vector<std::string>& folders) {
    QList<QUrl> places = sidebarUrls();
    for (const std::string& folder : folders) {
        const QString path = QDir::cleanPath(QString::fromStdString(folder));
        // The side bar would show a missing folder all the same, as a place that cannot be opened.
        if (!QFileInfo(path).isDir()) continue;
        const QUrl place = QUrl::fromLocalFile(path);
        if (places.contains(place)) continue;
        places.append(place);
        offered_.append(place);
    }
    if (!offered_.isEmpty()) setSidebarUrls(places);
}

}  // namespace ordavex
