#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "checking/archive_check.h"
#include "checking/draw_archive.h"
#include "checking/draw_range.h"
#include "dialogs/app_context.h"

class QLabel;
class QListView;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStringListModel;
class QTableWidget;

namespace ordavex {

class DrawRangeControls;

class StatisticsWindow;

// "Archivio estrazioni": loads an archive of past draws, puts one of them on the draw-check
// keypad, and checks the system in memory over a range of draws. The loaded archive belongs to
// the window object and stays for the next opening. A check that lasts more than half a second
// shows its progress and can be cancelled; it runs in pieces on the event loop, so the window
// keeps answering.
class ArchiveWindow : public QDialog {
    Q_OBJECT
public:
    // `useDraw` marks a draw's numbers on the draw-check keypad.
    ArchiveWindow(AppContext& context, QWidget* owner, std::function<void(const NumberMask&)> useDraw);
    ~ArchiveWindow() override;
    // Shows the window modally until it is closed.
    void Open();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildArchiveFrame();
    void BuildRangeFrame();
    void BuildDrawFrame();
    void BuildRecordControls();
    void ChooseArchive();
    void ShowArchive();
    void ShowChosenDraw();
    void ShowCondition();
    void UseDrawClicked();
    void CheckClicked();
    void CheckNextPiece();
    void FinishCheck();
    void CancelCheck();
    void EndRun();
    void ShowRecord(const ArchiveRecord& record);
    // The cost of playing the system once on each draw, and on the `draws` just checked.
    void ShowCost(std::int64_t draws);
    void ListDraw(const QModelIndex& index);
    bool HasArchive() const { return !draws_.empty(); }
    // The chosen range as positions [first, last) of the archive, or none when from > to.
    bool ChosenRange(std::size_t& first, std::size_t& last) const;
    DrawRangeChoice RangeChoice() const;
    // "Statistiche...": the statistics of the numbers over the chosen draws.
    void BuildStatisticsButton();
    void StatisticsClicked();
    int ConditionNumbers() const;

    AppContext& context_;
    std::function<void(const NumberMask&)> useDraw_;
    std::vector<ArchiveDraw> draws_;
    std::string archiveName_;
    std::vector<DrawBest> listed_;  // the draws of the list, in its order

    // The check under way, if any.
    struct Run;
    std::unique_ptr<Run> run_;

    QLabel* lblArchivio_ = nullptr;
    DrawRangeControls* range_ = nullptr;
    QSpinBox* spnEstrazione_ = nullptr;
    QLabel* lblEstrazione_ = nullptr;
    QPushButton* cmdScegliArchivio_ = nullptr;
    QPushButton* cmdUsaEstrazione_ = nullptr;
    QPushButton* cmdVerificaArchivio_ = nullptr;
    QProgressBar* prgVerifica_ = nullptr;
    QPushButton* cmdAnnulla_ = nullptr;
    QTableWidget* tblRecord_ = nullptr;
    QListView* lstEstrazioni_ = nullptr;
    QStringListModel* drawLines_ = nullptr;
    QLabel* lblProbabilita_ = nullptr;
    QLabel* lblCosto_ = nullptr;
    QPushButton* cmdStatistiche_ = nullptr;
    StatisticsWindow* statistics_ = nullptr;  // made at its first opening, then kept
};

}  // namespace ordavex
