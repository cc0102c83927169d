#include "checking/statistics_window.h"

#include <QElapsedTimer>
#include <QFrame>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStringListModel>
#include <QTableView>
#include <algorithm>
#include <atomic>
#include <new>
#include <optional>
#include <thread>

#include "app/error_number.h"
#include "checking/archive_loading.h"
#include "checking/draw_range_controls.h"
#include "checking/number_chart.h"
#include "checking/number_mask_of_line.h"
#include "checking/number_table_model.h"
#include "combinations/matrix_name.h"
#include "dialogs/file_dialog_request.h"
#include "dialogs/message_dialog.h"
#include "dialogs/report_error.h"
#include "forecast/forecast_from_numbers.h"
#include "widgets/ui_style.h"
#include "widgets/window_parts.h"

namespace ordavex {

namespace {

constexpr FixedDialogDesign kWindowDesign{"frmStatistiche", "Statistiche delle estrazioni", 15300, 11100};

constexpr const char* kWindowName = " - Statistiche";
constexpr const char* kChooseCaption = "Scegli archivio...";
constexpr const char* kChooseToolTip = "Apre un file di estrazioni passate";
constexpr const char* kCountCaption = "Calcola";
constexpr const char* kCountToolTip = "Calcola le statistiche sulle estrazioni scelte";
constexpr const char* kCancelCaption = "Annulla";
constexpr const char* kCountingText = "Calcolo delle statistiche...";
constexpr const char* kCancelledText = "Calcolo annullato";
constexpr const char* kChartCaption = "Grafico:";
constexpr const char* kChartCaptions[] = {"Frequenza", "Ritardo attuale"};
constexpr const char* kChartTitles[] = {"Frequenza dei numeri", "Ritardo attuale dei numeri"};
constexpr const char* kChartValueCaptions[] = {"Estrazioni", "Ritardo (estrazioni)"};
constexpr const char* kSaveImageCaption = "Salva immagine...";
constexpr const char* kSaveImageToolTip = "Salva il grafico come immagine PNG";
constexpr const char* kPairsCaption = "Coppie più frequenti:";
constexpr const char* kForecastCaption = "Pronostico:";
constexpr const char* kSelectedCaption = "i numeri selezionati (tabella o grafico)";
constexpr const char* kFirstCaption = "i primi";
constexpr const char* kFirstSuffix = "per la colonna ordinata";
constexpr const char* kUseCaption = "Usa come pronostico";
constexpr const char* kUseToolTip = "I numeri scelti diventano il pronostico della Matrice; le fisse restano";
constexpr const char* kHelpText =
    "Un clic sull'intestazione ordina la tabella; un clic su una riga o su una barra seleziona il "
    "numero. Il ritardo \"mai\" conta come il più grande.";
constexpr const char* kSystemLegend = "numeri del Sistema in memoria";
constexpr const char* kForecastLegend = "numeri del pronostico";

constexpr const char* kNoArchive = "Caricare un archivio di estrazioni ..!";
constexpr const char* kBadRange = "Intervallo di estrazioni non valido ..!";
constexpr const char* kNotCounted = "Calcolare prima le statistiche ..!";
constexpr const char* kImageNotSaved = "Immagine non salvata ..!|";
constexpr const char* kNoMatrixHint = "Nessuna Matrice selezionata: caricarne una per sviluppare il pronostico.";
constexpr const char* kForecastReadyPrefix = "Pronostico di ";
constexpr const char* kForecastReadySuffix = " numeri pronto ..!|Crea Sistema lo mostra e lo sviluppa sulla Matrice ";

constexpr qint64 kProgressAfterMs = 500;
constexpr int kPollMs = 40;
// The exported picture has twice the pixels of the screen's chart.
constexpr double kImageScale = 2;
constexpr int kRowHeightTwips = 270;

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QRadioButton* NewOption(QWidget* parent, const QString& name, const char* caption, const QRect& place) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(name);
    option->setGeometry(place);
    option->setFont(DesignFont(kSegoeUi, kSmallPoints, true));
    option->setAccessibleName(caption);
    return option;
}

std::string RangeText(const std::vector<ArchiveDraw>& draws, DrawRange range) {
    const std::size_t count = range.Size();
    return "Statistiche su " + std::to_string(count) + (count == 1 ? " estrazione" : " estrazioni") + ": da " +
           DrawLabel(draws[range.first], range.first + 1) + " a " + DrawLabel(draws[range.end - 1], range.end);
}

}  // namespace

// One count of statistics on its own thread. The thread reads the draws and writes only the
// result and the flags here; the window looks at them from its timer.
struct StatisticsWindow::Count {
    StatisticsProgress progress;
    DrawRange range;
    std::optional<NumberStatistics> result;
    bool outOfMemory = false;
    std::atomic<bool> finished{false};
    QElapsedTimer clock;
    std::thread thread;

    void Start(const std::vector<ArchiveDraw>& draws) {
        clock.start();
        thread = std::thread([this, &draws] {
            try {
                result = CountNumberStatistics(draws, range, &progress);
            } catch (const std::bad_alloc&) {
                outOfMemory = true;
            }
            finished.store(true, std::memory_order_release);
        });
    }
    ~Count() {
        progress.cancel.store(true);
        if (thread.joinable()) thread.join();
    }
};

StatisticsWindow::StatisticsWindow(AppContext& context, QWidget* owner)
    : QDialog(owner, kFixedDialogFlags), context_(context) {
    SetUpFixedDialog(this, kWindowDesign);
    BuildArchiveFrame();
    BuildRangeFrame();
    BuildTable();
    BuildChartControls();
    BuildPairs();
    BuildForecastFrame();
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &StatisticsWindow::PollCount);
}

StatisticsWindow::~StatisticsWindow() = default;

void StatisticsWindow::BuildArchiveFrame() {
    auto* frame = NewFrame(this, "fraArchivio", TwipsRect(150, 150, 6000, 1100));
    cmdScegliArchivio_ =
        NewCommandButton(frame, "cmdScegliArchivio", kChooseCaption, kChooseToolTip, TwipsRect(120, 120, 2100, 435));
    connect(cmdScegliArchivio_, &QPushButton::clicked, this, &StatisticsWindow::ChooseArchive);
    lblArchivio_ = NewLabel(frame, "lblArchivio", kNoArchiveText, TwipsRect(2340, 60, 3540, 980));
    lblArchivio_->setWordWrap(true);
    lblArchivio_->setAccessibleName("Archivio delle statistiche");
}

void StatisticsWindow::BuildRangeFrame() {
    auto* frame = NewFrame(this, "fraIntervallo", TwipsRect(150, 1350, 6000, 1500));
    range_ = new DrawRangeControls(frame);
    cmdCalcola_ = NewCommandButton(frame, "cmdCalcola", kCountCaption, kCountToolTip, TwipsRect(4290, 150, 1590, 435));
    connect(cmdCalcola_, &QPushButton::clicked, this, &StatisticsWindow::StartCount);
}

void StatisticsWindow::BuildTable() {
    lblIntervallo_ = NewLabel(this, "lblIntervallo", "", TwipsRect(150, 2950, 6000, 330));
    lblIntervallo_->setAccessibleName("Estrazioni delle statistiche");
    prgStatistiche_ = new QProgressBar(this);
    prgStatistiche_->setObjectName("prgStatistiche");
    prgStatistiche_->setGeometry(TwipsRect(150, 3330, 4400, 330));
    prgStatistiche_->setAccessibleName("Avanzamento del calcolo");
    prgStatistiche_->hide();
    cmdAnnulla_ =
        NewCommandButton(this, "cmdAnnulla", kCancelCaption, kCancelCaption, TwipsRect(4700, 3300, 1450, 390));
    connect(cmdAnnulla_, &QPushButton::clicked, this, [this] {
        CancelCount();
        lblIntervallo_->setText(kCancelledText);
    });
    cmdAnnulla_->hide();

    numbers_ = new NumberTableModel(this);
    tblNumeri_ = new QTableView(this);
    tblNumeri_->setObjectName("tblNumeri");
    tblNumeri_->setGeometry(TwipsRect(150, 3750, 6000, 7200));
    tblNumeri_->setAccessibleName("Statistiche dei numeri");
    tblNumeri_->setModel(numbers_);
    tblNumeri_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblNumeri_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblNumeri_->setSelectionMode(QAbstractItemView::MultiSelection);
    tblNumeri_->verticalHeader()->hide();
    tblNumeri_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblNumeri_->verticalHeader()->setDefaultSectionSize(Px(kRowHeightTwips));
    tblNumeri_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblNumeri_->setSortingEnabled(true);
    tblNumeri_->sortByColumn(static_cast<int>(NumberColumn::kNumber), Qt::AscendingOrder);
    connect(tblNumeri_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &StatisticsWindow::ShowSelection);
}

void StatisticsWindow::BuildChartControls() {
    chart_ = new NumberChart(this);
    chart_->setGeometry(TwipsRect(6300, 150, 8850, 4650));
    connect(chart_, &NumberChart::NumberClicked, this, &StatisticsWindow::ToggleNumber);

    auto* frame = NewFrame(this, "fraGrafico", TwipsRect(6300, 4900, 8850, 555));
    NewLabel(frame, "lblGrafico", kChartCaption, TwipsRect(120, 120, 900, 330));
    for (std::size_t i = 0; i < opGrafico_.size(); ++i) {
        opGrafico_[i] =
            NewOption(frame, QString("opGrafico(%1)").arg(i), kChartCaptions[i],
                      TwipsRect(1050 + 1850 * static_cast<int>(i), 120, 1800 + 500 * static_cast<int>(i), 330));
        connect(opGrafico_[i], &QRadioButton::toggled, this, [this](bool on) {
            if (on) ShowChart();
        });
    }
    opGrafico_[0]->setChecked(true);
    cmdSalvaImmagine_ = NewCommandButton(frame, "cmdSalvaImmagine", kSaveImageCaption, kSaveImageToolTip,
                                         TwipsRect(5700, 60, 3030, 435));
    connect(cmdSalvaImmagine_, &QPushButton::clicked, this, &StatisticsWindow::SaveImage);
}

void StatisticsWindow::BuildPairs() {
    NewLabel(this, "lblCoppieCaption", kPairsCaption, TwipsRect(6300, 5600, 3600, 300));
    pairLines_ = new QStringListModel(this);
    lstCoppie_ = NewReadOnlyList(this, "lstCoppie", TwipsRect(6300, 5900, 3600, 5050),
                                 "Coppie di numeri estratte insieme più spesso", pairLines_);
}

void StatisticsWindow::BuildForecastFrame() {
    auto* frame = NewFrame(this, "fraPronostico", TwipsRect(10050, 5600, 5100, 3200));
    auto* caption = NewLabel(frame, "lblPronosticoCaption", kForecastCaption, TwipsRect(120, 90, 4860, 300));
    caption->setFont(DesignFont(kSegoeUi, kRegularPoints, true));
    opScelta_[0] = NewOption(frame, "opScelta(0)", kSelectedCaption, TwipsRect(120, 450, 4860, 330));
    opScelta_[1] = NewOption(frame, "opScelta(1)", kFirstCaption, TwipsRect(120, 870, 1000, 330));
    opScelta_[1]->setChecked(true);
    spnPrimi_ =
        NewSpin(frame, "spnPrimi", "Quanti numeri prendere dall'alto della tabella", TwipsRect(1150, 870, 800, 330));
    spnPrimi_->setRange(1, kHighestNumber);
    connect(spnPrimi_, &QSpinBox::valueChanged, this, [this] { opScelta_[1]->setChecked(true); });
    NewLabel(frame, "lblPrimi", kFirstSuffix, TwipsRect(2050, 870, 2930, 330));
    cmdPronostico_ =
        NewCommandButton(frame, "cmdPronostico", kUseCaption, kUseToolTip, TwipsRect(120, 1350, 4860, 435));
    connect(cmdPronostico_, &QPushButton::clicked, this, &StatisticsWindow::UseAsForecast);
    lblPronostico_ = NewLabel(frame, "lblPronostico", "", TwipsRect(120, 1900, 4860, 1200));
    lblPronostico_->setWordWrap(true);
    lblPronostico_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblPronostico_->setAccessibleName("Matrice e numeri fissi del pronostico");

    auto* help = NewLabel(this, "lblAiuto", kHelpText, TwipsRect(10050, 8950, 5100, 1500));
    help->setWordWrap(true);
    help->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void StatisticsWindow::OpenOn(const std::vector<ArchiveDraw>& draws, const std::string& archiveName,
                              const DrawRangeChoice& range) {
    draws_ = &draws;
    archiveName_ = archiveName;
    cmdScegliArchivio_->hide();
    ShowAndWait(Marks::kSystem, range);
}

bool StatisticsWindow::OpenForForecast() {
    draws_ = &ownDraws_;
    archiveName_ = ownName_;
    cmdScegliArchivio_->show();
    ShowAndWait(Marks::kForecast, RangeChoice());
    return forecastChanged_;
}

void StatisticsWindow::ShowAndWait(Marks marks, const DrawRangeChoice& range) {
    marks_ = marks;
    forecastChanged_ = false;
    setWindowTitle(ProductTitle() + kWindowName);
    ShowArchive();
    SetRangeControls(range);
    spnPrimi_->setValue(std::max(1, NumbersBesidesFixed(context_.state)));
    opScelta_[1]->setChecked(true);
    ShowForecastHint();
    ShowMarks();
    statistics_.reset();
    numbers_->Clear();
    pairLines_->setStringList({});
    chart_->ClearValues();
    lblIntervallo_->clear();
    // A range refused here is told when the player counts again.
    if (HasArchive() && !RangeOfChoice(RangeChoice(), draws_->size()).Empty()) StartCount();
    exec();
}

void StatisticsWindow::done(int result) {
    CancelCount();
    QDialog::done(result);
}

void StatisticsWindow::ChooseArchive() {
    std::optional<ChosenArchive> archive = ChooseAndReadArchive(context_, this);
    if (!archive) return;
    // The thread may still read the draws being replaced.
    CancelCount();
    ownDraws_ = std::move(archive->draws);
    ownName_ = archiveName_ = std::move(archive->name);
    draws_ = &ownDraws_;
    ShowArchive();
    SetRangeControls({});
    StartCount();
}

void StatisticsWindow::ShowArchive() {
    if (!HasArchive()) {
        lblArchivio_->setText(kNoArchiveText);
        return;
    }
    lblArchivio_->setText(QString::fromStdString(ArchiveSummary(archiveName_, *draws_)));
}

void StatisticsWindow::SetRangeControls(const DrawRangeChoice& range) {
    range_->Show(range, HasArchive() ? static_cast<int>(draws_->size()) : 0);
}

DrawRangeChoice StatisticsWindow::RangeChoice() const { return range_->Choice(); }

void StatisticsWindow::StartCount() {
    if (!HasArchive()) {
        ShowMessage(context_.state, this, kNoArchive);
        return;
    }
    const DrawRange range = RangeOfChoice(RangeChoice(), draws_->size());
    if (range.Empty()) {
        ShowMessage(context_.state, this, kBadRange);
        return;
    }
    CancelCount();
    count_ = std::make_unique<Count>();
    count_->range = range;
    count_->Start(*draws_);
    lblIntervallo_->setText(kCountingText);
    cmdCalcola_->setEnabled(false);
    poll_.start();
}

void StatisticsWindow::PollCount() {
    if (!count_) return;
    if (!count_->finished.load(std::memory_order_acquire)) {
        if (count_->clock.elapsed() > kProgressAfterMs && !prgStatistiche_->isVisible()) {
            prgStatistiche_->setRange(0, static_cast<int>(count_->range.Size()));
            prgStatistiche_->show();
            cmdAnnulla_->show();
        }
        prgStatistiche_->setValue(static_cast<int>(count_->progress.counted.load(std::memory_order_relaxed)));
        return;
    }
    const auto count = std::move(count_);
    count->thread.join();
    EndCount();
    if (count->outOfMemory) {
        lblIntervallo_->clear();
        ReportError(context_.state, this, kErrOutOfMemory);
        return;
    }
    if (count->result) ShowStatistics(*count->result, count->range);
}

void StatisticsWindow::CancelCount() {
    count_.reset();
    EndCount();
}

void StatisticsWindow::EndCount() {
    poll_.stop();
    prgStatistiche_->hide();
    cmdAnnulla_->hide();
    cmdCalcola_->setEnabled(true);
}

void StatisticsWindow::ShowStatistics(const NumberStatistics& statistics, DrawRange range) {
    statistics_ = statistics;
    numbers_->SetStatistics(statistics);
    QStringList pairs;
    for (const auto& pair : statistics.topPairs) pairs.append(QString::fromStdString(PairText(pair)));
    pairLines_->setStringList(pairs);
    lblIntervallo_->setText(QString::fromStdString(RangeText(*draws_, range)));
    ShowChart();
    ShowSelection();
}

void StatisticsWindow::ShowChart() {
    if (!statistics_) return;
    const bool delays = opGrafico_[1]->isChecked();
    const std::size_t which = delays ? 1 : 0;
    NumberChart::Values values{};
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        const NumberRecord& record = statistics_->Of(n);
        // A number never drawn has waited through the whole range.
        const std::int64_t delay = record.delay == kNeverDrawn ? statistics_->draws : record.delay;
        values[static_cast<std::size_t>(n)] = delays ? delay : record.drawn;
    }
    const std::string title = std::string(kChartTitles[which]) + " (" + std::to_string(statistics_->draws) +
                              (statistics_->draws == 1 ? " estrazione)" : " estrazioni)");
    chart_->SetValues(values, QString::fromStdString(title), kChartValueCaptions[which]);
}

void StatisticsWindow::ShowMarks() {
    const AppState& state = context_.state;
    NumberMask marked;
    if (marks_ == Marks::kForecast) {
        for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
            if (state.ForecastStates[static_cast<std::size_t>(n)] != kForecastOff) marked.Set(n);
        }
    } else {
        for (const auto& line : state.SystemCombinations) marked |= NumberMaskOfLine(line);
    }
    chart_->SetMarked(marked, marks_ == Marks::kForecast ? kForecastLegend : kSystemLegend);
}

NumberMask StatisticsWindow::SelectedNumbers() const {
    NumberMask selected;
    if (!numbers_->HasStatistics()) return selected;
    for (const QModelIndex& row : tblNumeri_->selectionModel()->selectedRows()) {
        selected.Set(numbers_->NumberAt(row.row()));
    }
    return selected;
}

void StatisticsWindow::ShowSelection() {
    const NumberMask selected = SelectedNumbers();
    chart_->SetSelected(selected);
    if (!selected.Empty()) opScelta_[0]->setChecked(true);
}

void StatisticsWindow::ToggleNumber(int number) {
    if (!numbers_->HasStatistics()) return;
    tblNumeri_->selectionModel()->select(numbers_->index(numbers_->RowOf(number), 0),
                                         QItemSelectionModel::Toggle | QItemSelectionModel::Rows);
}

void StatisticsWindow::ShowForecastHint() {
    const AppState& state = context_.state;
    if (!state.HasMatrix()) {
        lblPronostico_->setText(kNoMatrixHint);
        return;
    }
    const int fixed = FixedForecastNumbers(state).Count();
    std::string hint = "Matrice " + state.MatrixName + ": " + std::to_string(state.MatrixNumbers) + " numeri";
    if (fixed > 0) {
        hint += "; le " + std::to_string(fixed) + " fisse segnate restano, e se ne aggiungono " +
                std::to_string(NumbersBesidesFixed(state));
    }
    lblPronostico_->setText(QString::fromStdString(hint + "."));
}

void StatisticsWindow::UseAsForecast() {
    AppState& state = context_.state;
    if (!statistics_) {
        ShowMessage(state, this, kNotCounted);
        return;
    }
    const NumberMask chosen = opScelta_[0]->isChecked()
                                  ? SelectedNumbers()
                                  : FirstNumbersBesides(numbers_->Order(), static_cast<std::size_t>(spnPrimi_->value()),
                                                        FixedForecastNumbers(state));
    const ForecastFromNumbers outcome = UseNumbersAsForecast(state, chosen);
    if (!outcome.applied) {
        ShowMessage(state, this, outcome.message);
        return;
    }
    forecastChanged_ = true;
    if (marks_ == Marks::kForecast) {
        accept();
        return;
    }
    std::string ready = kForecastReadyPrefix;
    ready += std::to_string(state.ForecastCount);
    ready += kForecastReadySuffix;
    ready += state.MatrixName;
    ShowMessage(state, this, ready);
}

void StatisticsWindow::SaveImage() {
    AppState& state = context_.state;
    if (!statistics_) {
        ShowMessage(state, this, kNotCounted);
        return;
    }
    const FileDialogRequest request = SaveImageRequest(state.SystemsFolder);
    const std::string chosen = context_.files.FileDialog(this, request);
    if (chosen.empty()) return;
    const std::string path = WithDefaultExtension(chosen, request.defaultExtension);
    if (!chart_->Render(kImageScale).save(QString::fromStdString(path), "PNG")) {
        ShowMessage(state, this, kImageNotSaved + path);
    }
}

}  // namespace ordavex
