#include "update/qt_url_opener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace ordavex {

void QtUrlOpener::OpenUrl(const std::string& address) {
    // The outcome is the desktop's business; the program relies on nothing it returns.
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

}  // namespace ordavex
