#include "app/program_folder_places.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace ordavex {

namespace {

// Set by the build from the install layout, so that an installed tree can be moved as a whole.
constexpr const char* kShippedFromProgram = ORDAVEX_SHIPPED_FROM_PROGRAM;
constexpr const char* kUserFolderName = "Ordavex";

std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace

FolderPlaces ProgramFolderPlaces() {
    const QDir program(QCoreApplication::applicationDirPath());
    const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    return {Utf8(program.absolutePath()), Utf8(QDir::cleanPath(program.filePath(kShippedFromProgram))),
            Utf8(documents.filePath(kUserFolderName))};
}

}  // namespace ordavex
