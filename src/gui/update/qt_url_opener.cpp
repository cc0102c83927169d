#include "update/qt_url_opener.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace ordavex {

bool QtUrlOpener::OpenUrl(const std::string& address) {
    // What the browser then does with the address is its own business; only a refusal is told.
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

}  // namespace ordavex
