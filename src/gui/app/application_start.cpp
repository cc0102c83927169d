#include "app/application_start.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

namespace ordavex {

namespace {

constexpr const char* kCannotStartText =
    "Ordavex non può aprire le sue finestre (vedere il messaggio qui sopra): controllare lo schermo "
    "(DISPLAY o WAYLAND_DISPLAY) e i plugin grafici di Qt.\n";

void WriteMessageOrLeave(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    const QByteArray line = qFormatLogMessage(type, context, message).toLocal8Bit() + '\n';
    std::fputs(line.constData(), stderr);
    if (type == QtFatalMsg) {
        std::fputs(kCannotStartText, stderr);
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
}

}  // namespace

std::unique_ptr<QApplication> StartApplication(int& argc, char** argv) {
    qInstallMessageHandler(WriteMessageOrLeave);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(nullptr);
    return application;
}

}  // namespace ordavex
