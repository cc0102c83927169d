#pragma once

#include <QAbstractButton>
#include <QPageSize>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/program_folders.h"
#include "dialogs/app_context.h"
#include "dialogs/file_chooser.h"
#include "dialogs/print_dialogs.h"
#include "test_files.h"
#include "update/url_opener.h"

namespace ordavex::test {

// Answers file dialogs from a queue and records what was asked.
class FakeFileChooser : public FileChooser {
public:
    std::string FileDialog(QWidget* owner, const FileDialogRequest& request) override;
    std::deque<std::string> answers;  // an empty answer is a cancel
    std::vector<FileDialogRequest> requests;
};

// Shows the program's real print dialogs, for a test to drive, unless `printInto` names a PDF
// file: then the pages go straight into it, as if the user had printed to a PDF printer. Records
// the printers it was given.
class ScriptedPrintDialogs : public PrintDialogs {
public:
    bool Print(QWidget* owner, QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;
    std::string printInto;
    int calls = 0;
    QPageSize::PageSizeId pageSize = QPageSize::Custom;
};

// Records the addresses it is handed and takes them, or refuses them as a desktop without a
// browser does when `refuse` is set.
class FakeUrlOpener : public UrlOpener {
public:
    bool OpenUrl(const std::string& address) override {
        addresses.push_back(address);
        return !refuse;
    }
    std::vector<std::string> addresses;
    bool refuse = false;
};

// Acts on the modal windows that appear while a test runs, one queued action per window,
// in order; a window that becomes the active modal one again after an inner one closed takes
// the next action too. A modal window with no action left is answered with its first button and
// recorded as unexpected, which fails the test when the script ends.
class ModalScript : public QObject {
public:
    using Action = std::function<void(QWidget*)>;
    ModalScript();
    ~ModalScript() override;

    void Then(Action action);
    // Records the message text into `texts` and presses button `index` (1-based).
    void PressMessageButton(int index = 1);
    // Records the message text and presses its first button: the usual "OK".
    void AcknowledgeMessage() { PressMessageButton(1); }

    // Texts of the message dialogs seen so far, "|" kept as line breaks ("\n").
    QStringList texts;
    // Object names of modal windows that appeared with no action queued for them.
    QStringList unexpected;
    std::size_t Pending() const { return actions_.size(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Poll();
    QTimer timer_;
    std::deque<Action> actions_;
    // The window acted on last. Any other active modal window is new, including an outer window
    // uncovered when an inner one closes; the same window is new again once it has been hidden.
    QPointer<QWidget> lastHandled_;
    // The windows whose actions are running, innermost last (an action may open further windows).
    std::vector<QWidget*> acting_;
};

// Waits until no modal window is shown any more, so that a script sees the next opening of the
// same window as new; false when one is still open after a while.
bool WaitUntilNoModalWindow();

// Clicks a command button and runs the command it queued, as the event loop would.
void ClickAndRun(QAbstractButton* button);

// The text shown by an open message dialog.
QString MessageTextOf(QWidget* dialog);
// Presses button `index` of an open message dialog.
void PressButtonOf(QWidget* dialog, int index);

// The lines the list `listName` of a window shows.
QStringList ListLines(QWidget* window, const char* listName);
// The numbers marked on the keypad of the draw check.
QList<int> MarkedNumbers(QWidget* drawCheck);
// A system whose numbers are 1..20.
LineList SystemOverOneToTwenty();

// Where the design puts a part of a window: its objectName and its rectangle in twips, within
// the part that holds it.
struct DesignPlace {
    const char* name;
    int left, top, width, height;
};
// Expects each named part of `window` to stand at its place; a missing part or a misplaced one
// fails with its name.
void ExpectDesignPlaces(const QWidget* window, std::initializer_list<DesignPlace> places);

// The folders of a program under `root`: "bin/" with "Shared/" beside the program when `portable`,
// "share/ordavex/" and "Documenti/Ordavex/" for an installed one.
FolderPlaces ScratchFolderPlaces(const TempFolder& root, bool portable);

// A main window with its own state, fake platform seams and folders of its own.
struct MainWindowFixture {
    explicit MainWindowFixture(bool portable = true);
    ~MainWindowFixture();
    TempFolder root;
    AppState state;
    FakeFileChooser files;
    FakeUrlOpener urls;
    ScriptedPrintDialogs prints;
    AppContext context;
    std::unique_ptr<MainWindow> window;

    // Clicks a button of the main window by its object name.
    void Click(const char* objectName);
    QString LabelText(const char* objectName) const;
};

}  // namespace ordavex::test
