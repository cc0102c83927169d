#pragma once

#include <QDialog>
#include <QTimer>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "checking/draw_archive.h"
#include "checking/draw_range.h"
#include "checking/number_statistics.h"
#include "dialogs/app_context.h"

class QLabel;
class QListView;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStringListModel;
class QTableView;

namespace ordavex {

class DrawRangeControls;

class NumberChart;
class NumberTableModel;

// "Statistiche" (frmStatistiche): over a range of draws of an archive, how often each number came
// out and how long it has been absent, as a sortable table and a chart, with the pairs drawn
// together most often; the numbers picked there, or the first ones of the sorted table, become the
// forecast. The statistics are counted on a thread of their own, so the window keeps answering; a
// count that lasts more than half a second shows its progress and can be cancelled.
class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    StatisticsWindow(AppContext& context, QWidget* owner);
    ~StatisticsWindow() override;

    // On the archive loaded in the archive window, over the range chosen there; the chart marks the
    // numbers of the system in memory. `draws` must stay as they are until the window closes.
    void OpenOn(const std::vector<ArchiveDraw>& draws, const std::string& archiveName, const DrawRangeChoice& range);
    // With an archive chosen in this window, kept for the next opening; the chart marks the numbers
    // of the forecast, and the window closes as soon as the chosen numbers have become the
    // forecast. True when they have.
    bool OpenForForecast();

protected:
    void done(int result) override;

private:
    enum class Marks { kSystem, kForecast };
    struct Count;

    void BuildArchiveFrame();
    void BuildRangeFrame();
    void BuildTable();
    void BuildChartControls();
    void BuildPairs();
    void BuildForecastFrame();
    void ShowAndWait(Marks marks, const DrawRangeChoice& range);
    void ChooseArchive();
    void ShowArchive();
    void SetRangeControls(const DrawRangeChoice& range);
    DrawRangeChoice RangeChoice() const;
    void StartCount();
    void PollCount();
    void CancelCount();
    void EndCount();
    void ShowStatistics(const NumberStatistics& statistics, DrawRange range);
    void ShowChart();
    void ShowMarks();
    void ShowSelection();
    void ToggleNumber(int number);
    NumberMask SelectedNumbers() const;
    void ShowForecastHint();
    void UseAsForecast();
    void SaveImage();
    bool HasArchive() const { return draws_ != nullptr && !draws_->empty(); }

    AppContext& context_;
    // The archive chosen in this window; the one shown is either this or the archive window's.
    std::vector<ArchiveDraw> ownDraws_;
    std::string ownName_;
    const std::vector<ArchiveDraw>* draws_ = nullptr;
    std::string archiveName_;
    Marks marks_ = Marks::kSystem;
    bool forecastChanged_ = false;
    std::unique_ptr<Count> count_;
    QTimer poll_;
    std::optional<NumberStatistics> statistics_;

    QPushButton* cmdScegliArchivio_ = nullptr;
    QLabel* lblArchivio_ = nullptr;
    DrawRangeControls* range_ = nullptr;
    QPushButton* cmdCalcola_ = nullptr;
    QLabel* lblIntervallo_ = nullptr;
    QProgressBar* prgStatistiche_ = nullptr;
    QPushButton* cmdAnnulla_ = nullptr;
    QTableView* tblNumeri_ = nullptr;
    NumberTableModel* numbers_ = nullptr;
    NumberChart* chart_ = nullptr;
    std::array<QRadioButton*, 2> opGrafico_{};
    QPushButton* cmdSalvaImmagine_ = nullptr;
    QListView* lstCoppie_ = nullptr;
    QStringListModel* pairLines_ = nullptr;
    std::array<QRadioButton*, 2> opScelta_{};
    QSpinBox* spnPrimi_ = nullptr;
    QPushButton* cmdPronostico_ = nullptr;
    QLabel* lblPronostico_ = nullptr;
};

}  // namespace ordavex
