#pragma once

#include <QColor>
#include <QDialog>
#include <array>
#include <string>
#include <vector>

#include "checking/draw_marks.h"
#include "checking/print_document.h"
#include "checking/win_tabulation.h"
#include "dialogs/app_context.h"
#include "widgets/number_keypad.h"

class QCheckBox;
class QFrame;
class QLabel;
class QListView;
class QPushButton;
class QRadioButton;
class QStringListModel;

namespace ordavex {

class ArchiveWindow;
class OutputButtons;

// frmSpoglio: the user marks the drawn numbers on a keypad, on which the numbers of the system
// are bold, and "VERIFICA VINCITE" tabulates the points of the system into the list.
// The marks belong to this window object: they survive closing and reopening until the
// program ends. Everything else starts afresh at each opening.
class DrawCheckWindow : public QDialog {
    Q_OBJECT
public:
    DrawCheckWindow(AppContext& context, QWidget* owner);
    // Runs the loading steps and shows the window modally until it is closed.
    void Open();

    // Sets the mark of every number to `modo`, then gives the focus to button 1.
    void AllNumbers(bool modo);
    // Marks exactly the numbers of a draw, replacing the marks.
    void MarkDraw(const NumberMask& numbers);

protected:
    // While the window is open it sees every key before its controls do.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildKeypadFrame();
    void BuildReportFrame();
    void Load();
    void RebuildKeypad();
    void ShowSystemNumbersInBold();
    void ResetReportControls();
    void ToggleNumber(int n);
    QColor ColourOf(int n) const;
    void ColourAllButtons();
    void ShowDrawnCount();
    void VerifyWinsClicked();
    void ShowHelp();
    void OpenArchive();
    ReportKind ChosenReport() const;
    WantedScores TickedScores() const;
    void BuildOutputButtons();
    std::string Refusal() const;
    PrintDocument ReportDocument(const std::string& printedAt) const;
    LineList ReportTextLines() const;
    std::string DrawnNumbersText() const;

    AppContext& context_;
    DrawMarks marks_;

    QFrame* keypadFrame_ = nullptr;
    NumberKeypad keypad_;
    QLabel* lblSelezionati_ = nullptr;
    QPushButton* cmdVerifica_ = nullptr;
    QListView* lstCombinazioni_ = nullptr;
    QStringListModel* reportLines_ = nullptr;
    std::array<QRadioButton*, 2> opTipo_{};
    std::array<QCheckBox*, kHighestReportedScore + 1> chkPunto_{};
    QPushButton* cmdArchivio_ = nullptr;
    // Made at the first use; it keeps its archive for later openings.
    ArchiveWindow* archiveWindow_ = nullptr;
    OutputButtons* output_ = nullptr;
    // The report the list shows, as it was made: its kind, ticked scores, the draw and the lines.
    struct ShownReport {
        ReportKind kind = ReportKind::kGeneral;
        WantedScores wanted{};
        std::string drawn;
        std::vector<std::string> lines;
    };
    ShownReport shown_;
};

}  // namespace ordavex
