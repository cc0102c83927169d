#include "checking/output_buttons.h"

#include <QBuffer>
#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QPrinter>
#include <QPushButton>
#include <QStringList>
#include <new>

#include "app/error_number.h"
#include "app/safe_file_writer.h"
#include "checking/page_painter.h"
#include "combinations/system_save.h"
#include "dialogs/message_dialog.h"
#include "dialogs/report_error.h"
#include "widgets/window_parts.h"

namespace ordavex {

namespace {

constexpr const char* kPrintCaption = "Stampa...";
constexpr const char* kPrintToolTip = "Stampa con anteprima";
constexpr const char* kPdfCaption = "PDF...";
constexpr const char* kPdfToolTip = "Salva le pagine in un file PDF";
constexpr const char* kExportCaption = "Esporta...";
constexpr const char* kExportToolTip = "Esporta per un foglio di calcolo (CSV) o come file di combinazioni";
constexpr const char* kCopyCaption = "Copia";
constexpr const char* kCopyToolTip = "Copia le righe negli appunti";

constexpr const char* kExportQuestion =
    "Formato di esportazione ..!|CSV: foglio di calcolo, campi separati da \";\"|Testo: file di combinazioni";
enum class ExportFormat { Csv, Text, None };
constexpr MessageAnswer<ExportFormat> kExportChoices[] = {
    {ExportFormat::Csv, "CSV"}, {ExportFormat::Text, "Testo"}, {ExportFormat::None, "Rinuncia"}};
constexpr const char* kExistingFile = "File esistente ..!";
constexpr MessageAnswer<bool> kReplaceChoices[] = {{true, "Sovrascrivi"}, {false, "Rinuncia"}};
constexpr const char* kExportedOpening = "Esportate ";
constexpr const char* kMessageClosing = " ..!";
constexpr const char* kPdfOpening = "Salvato PDF di ";
constexpr const char* kOnePage = " pagina";
constexpr const char* kManyPages = " pagine";
constexpr const char* kDocumentName = "Ordavex";
constexpr const char* kTimeFormat = "dd/MM/yyyy HH:mm";

}  // namespace

std::string PrintingTime() { return QDateTime::currentDateTime().toString(kTimeFormat).toStdString(); }

OutputButtons::OutputButtons(AppContext& context, QWidget* parent, const std::array<QRect, 4>& places,
                             OutputSource source)
    : QObject(parent), context_(context), parent_(parent), source_(std::move(source)) {
    const struct {
        const char* name;
        const char* caption;
        const char* toolTip;
        void (OutputButtons::*action)();
    } buttons[] = {{"cmdStampa", kPrintCaption, kPrintToolTip, &OutputButtons::Print},
                   {"cmdPdf", kPdfCaption, kPdfToolTip, &OutputButtons::SavePdf},
                   {"cmdEsporta", kExportCaption, kExportToolTip, &OutputButtons::Export},
                   {"cmdCopia", kCopyCaption, kCopyToolTip, &OutputButtons::Copy}};
    for (std::size_t i = 0; i < places.size(); ++i) {
        auto* button = NewCommandButton(parent, buttons[i].name, buttons[i].caption, buttons[i].toolTip, places[i]);
        // Queued: the click returns before a dialog of the command opens.
        connect(button, &QPushButton::clicked, this, buttons[i].action, Qt::QueuedConnection);
    }
}

QWidget* OutputButtons::Owner() const { return parent_->window(); }

bool OutputButtons::Refused() {
    const std::string refusal = source_.refusal();
    if (refusal.empty()) return false;
    ShowMessage(context_.state, Owner(), refusal);
    return true;
}

void OutputButtons::Print() {
    if (Refused()) return;
    const PrintDocument document = source_.document(PrintingTime());
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(kDocumentName);
    SetUpPage(printer);
    context_.prints.Print(Owner(), printer, [&document](QPrinter& target) { PaintDocument(target, document); });
}

std::string OutputButtons::ChooseTarget(const FileDialogRequest& request) {
    const std::string chosen = context_.files.FileDialog(Owner(), request);
    if (chosen.empty()) return {};
    const std::string path = SaveTargetPath(WithDefaultExtension(chosen, request.defaultExtension));
    if (ReplaceableFileLength(path) == 0) return path;
    const bool replace = Ask(context_.state, Owner(), kExistingFile, kReplaceChoices).value_or(false);
    return replace ? path : std::string();
}

void OutputButtons::Save(const FileDialogRequest& request, const std::function<void(const std::string&)>& write,
                         const std::string& doneMessage) {
    try {
        const std::string path = ChooseTarget(request);
        if (path.empty()) return;
        write(path);
        ShowMessage(context_.state, Owner(), doneMessage);
    } catch (const OrdavexError& error) {
        ReportError(context_.state, Owner(), error.Number());
    } catch (const std::bad_alloc&) {
        ReportError(context_.state, Owner(), kErrOutOfMemory);
    }
}

void OutputButtons::SavePdf() {
    if (Refused()) return;
    const PrintDocument document = source_.document(PrintingTime());
    // Drawn in memory first, so that the file is written whole by the safe save.
    QByteArray bytes;
    std::size_t pages = 0;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(kDocumentName);
        writer.setCreator(kDocumentName);
        SetUpPage(writer);
        pages = PaintDocument(writer, document);
    }
    if (pages == 0) {
        ReportError(context_.state, Owner(), kErrOutOfMemory);
        return;
    }
    std::string done = kPdfOpening + std::to_string(pages) + (pages == 1 ? kOnePage : kManyPages) + kMessageClosing;
    Save(
        SavePdfRequest(context_.state.SystemsFolder),
        [this, &bytes](const std::string& path) {
            WriteFileSafely(path, std::string_view(bytes.constData(), bytes.size()), SaveMode::Overwrite);
        },
        done);
}

void OutputButtons::Export() {
    if (Refused()) return;
    const ExportFormat format =
        Ask(context_.state, Owner(), kExportQuestion, kExportChoices).value_or(ExportFormat::None);
    if (format == ExportFormat::None) return;
    const LineList lines = source_.textLines();
    const std::string done = kExportedOpening + std::to_string(lines.size()) + " " + source_.lineNoun + kMessageClosing;
    if (format == ExportFormat::Csv) {
        const std::string csv = source_.csv();
        Save(
            ExportCsvRequest(context_.state.SystemsFolder),
            [this, &csv](const std::string& path) { WriteFileSafely(path, csv, SaveMode::Overwrite); }, done);
        return;
    }
    Save(
        ExportTextRequest(context_.state.SystemsFolder),
        [this, &lines](const std::string& path) { WriteSystemFile(path, lines, SaveMode::Overwrite); }, done);
}

void OutputButtons::Copy() {
    if (Refused()) return;
    const LineList lines = source_.clipboardLines();
    QStringList text;
    text.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& line : lines) text.append(QString::fromStdString(line));
    QGuiApplication::clipboard()->setText(text.join('\n'));
}

}  // namespace ordavex
