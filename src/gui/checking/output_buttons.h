#pragma once

#include <QObject>
#include <QRect>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "checking/print_document.h"
#include "dialogs/app_context.h"

class QPushButton;
class QWidget;

namespace ordavex {

// What the buttons hand out, asked afresh at each click.
struct OutputSource {
    // A message that refuses the click (nothing to hand out), or empty text.
    std::function<std::string()> refusal;
    // The page to print, given the time of printing.
    std::function<PrintDocument(const std::string& printedAt)> document;
    std::function<std::string()> csv;
    // The lines of the plain-text export, in the program's combination format where they are
    // combinations, and of the clipboard.
    std::function<LineList()> textLines;
    std::function<LineList()> clipboardLines;
    // What the exported lines are called in the message that follows: "combinazioni", "righe".
    std::string lineNoun;
};

// "Stampa...", "PDF...", "Esporta..." and "Copia" of a window: print through the print dialogs
// with a preview, write a PDF file, export a spreadsheet or a combination file, copy to the
// clipboard. Files are chosen in the program's save dialog, start in the systems folder and are
// written by the program's safe save.
class OutputButtons : public QObject {
    Q_OBJECT
public:
    // Places the buttons on `parent` at `places`, in the order above.
    OutputButtons(AppContext& context, QWidget* parent, const std::array<QRect, 4>& places, OutputSource source);

    void Print();
    void SavePdf();
    void Export();
    void Copy();

private:
    QWidget* Owner() const;
    bool Refused();
    // The file a save to the path chosen in `request` writes, once the user has agreed to replace
    // what it holds; empty when the user cancelled or gave up.
    std::string ChooseTarget(const FileDialogRequest& request);
    void Save(const FileDialogRequest& request, const std::function<void(const std::string&)>& write,
              const std::string& doneMessage);

    AppContext& context_;
    QWidget* parent_;
    OutputSource source_;
};

// The moment of printing as the page shows it: "31/12/2025 18:05".
std::string PrintingTime();

}  // namespace ordavex
