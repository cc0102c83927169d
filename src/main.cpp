#include <QApplication>
#include <QStyleFactory>

#include "app/application_start.h"
#include "app/main_window.h"
#include "app/program_folder_places.h"
#include "dialogs/app_context.h"
#include "dialogs/qt_file_chooser.h"
#include "dialogs/qt_print_dialogs.h"
#include "update/qt_url_opener.h"
#include "widgets/ui_style.h"

int main(int argc, char* argv[]) {
    const std::unique_ptr<QApplication> application = ordavex::StartApplication(argc, argv);
    application->setStyle(QStyleFactory::create("Fusion"));
    // Lets the desktop match the windows with the menu entry and its icon.
    QGuiApplication::setDesktopFileName("it.ordavex.Ordavex");
    ordavex::PrepareApplication();

    ordavex::AppState state;
    ordavex::QtFileChooser fileChooser;
    ordavex::QtUrlOpener urlOpener;
    ordavex::QtPrintDialogs printDialogs;
    ordavex::AppContext context{state, fileChooser, urlOpener, printDialogs, ordavex::ProgramFolderPlaces()};

    ordavex::MainWindow window(context);
    window.show();
    return application->exec();
}
