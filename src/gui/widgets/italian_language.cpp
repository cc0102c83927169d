#include "widgets/italian_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace ordavex {

void SpeakItalian() {
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    QLocale::setDefault(italian);
    // Owned by the application, so that it lives as long as the texts it translates.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(italian, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator);
    } else {
        delete translator;
    }
}

}  // namespace ordavex
