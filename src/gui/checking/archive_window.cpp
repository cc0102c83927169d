#include "checking/archive_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStringListModel>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>
#include <iterator>
#include <optional>

#include "app/number_text.h"
#include "checking/archive_loading.h"
#include "checking/draw_probability.h"
#include "checking/draw_range.h"
#include "checking/draw_range_controls.h"
#include "checking/number_mask_of_line.h"
#include "checking/statistics_window.h"
#include "checking/system_cost.h"
#include "combinations/matrix_name.h"
#include "dialogs/message_dialog.h"
#include "guarantee/guarantee_claim.h"
#include "widgets/ui_style.h"
#include "widgets/window_parts.h"

namespace ordavex {

namespace {

// One row below the guarantee's label holds the button of the statistics.
constexpr FixedDialogDesign kWindowDesign{"frmArchivio", "Archivio estrazioni", 9000, 9000};

constexpr const char* kWindowName = " - Archivio estrazioni";
constexpr const char* kChooseCaption = "Scegli archivio...";
constexpr const char* kChooseToolTip = "Apre un file di estrazioni passate";
constexpr const char* kDrawCaption = "Estrazione";
constexpr const char* kUseCaption = "Usa estrazione";
constexpr const char* kUseToolTip = "Segna i numeri dell'estrazione sul tastierino dello spoglio";
constexpr const char* kCheckCaption = "Verifica su archivio";
constexpr const char* kCheckToolTip = "Verifica il Sistema in memoria sulle estrazioni scelte";
constexpr const char* kCancelCaption = "Annulla";
constexpr const char* kListCaption = "Estrazioni, dal punteggio migliore:";
// The record's columns, with what each counts: a draw counts in the row of every score its
// combinations made, so the draws' column may add up to more than the draws checked.
struct RecordColumn {
    const char* header;
    const char* toolTip;
};
constexpr RecordColumn kRecordColumns[] = {
    {"Punti", "Punti fatti da una combinazione in un'estrazione"},
    {"Estrazioni\ncon i punti",
     "Estrazioni in cui almeno una combinazione ha fatto questi punti: un'estrazione conta in ogni riga dei "
     "punti fatti dalle sue combinazioni, quindi la colonna può sommare più delle estrazioni verificate"},
    {"Combinazioni\nin tutto",
     "Combinazioni vincenti in tutto: quante volte una combinazione ha fatto questi punti, sommando tutte le "
     "estrazioni verificate"},
};
constexpr int kRecordColumnCount = static_cast<int>(std::size(kRecordColumns));
constexpr int kRecordRowHeight = 300;  // twips, when the table has room
constexpr const char* kStatisticsCaption = "Statistiche...";
constexpr const char* kStatisticsToolTip = "Frequenze e ritardi dei numeri nelle estrazioni scelte";
constexpr const char* kNoConditionText = "Probabilità della garanzia: caricare una Matrice che la indichi nel nome";

constexpr const char* kNoArchive = "Caricare un archivio di estrazioni ..!";
constexpr const char* kNoSystem = "Nessun Sistema in memoria ..!";
constexpr const char* kBadRange = "Intervallo di estrazioni non valido ..!";

// Pairs of a line and a draw checked between two turns of the event loop: some tens of
// milliseconds on a usual machine.
constexpr std::int64_t kPairsPerPiece = 20000000;
constexpr qint64 kProgressAfterMs = 500;
constexpr int kScoreDigits = 2;

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, const QRect& place) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    return label;
}

std::string NumbersText(const NumberMask& numbers) {
    std::string text;
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        if (!numbers.Has(n)) continue;
        if (!text.empty()) text += ' ';
        AppendZeroPadded(text, n, kScoreDigits);
    }
    return text;
}

std::string ListLine(const DrawBest& best, const ArchiveDraw& draw) {
    return "punti " + ZeroPadded(best.score, kScoreDigits) + " ... " + DrawLabel(draw, best.position + 1);
}

}  // namespace

struct ArchiveWindow::Run {
    Run(const LineList& system, int wanted) : checker(system, wanted) {}
    ArchiveChecker checker;
    ArchiveRecord record;
    std::size_t first = 0;
    std::size_t next = 0;
    std::size_t last = 0;
    QElapsedTimer clock;
};

ArchiveWindow::ArchiveWindow(AppContext& context, QWidget* owner, std::function<void(const NumberMask&)> useDraw)
    : QDialog(owner, kFixedDialogFlags), context_(context), useDraw_(std::move(useDraw)) {
    SetUpFixedDialog(this, kWindowDesign);
    BuildArchiveFrame();
    BuildRangeFrame();
    BuildDrawFrame();
    BuildRecordControls();
    BuildStatisticsButton();
    ShowArchive();
}

ArchiveWindow::~ArchiveWindow() = default;

void ArchiveWindow::BuildArchiveFrame() {
    auto* frame = NewFrame(this, "fraArchivio", TwipsRect(150, 150, 8700, 1050));
    cmdScegliArchivio_ =
        NewCommandButton(frame, "cmdScegliArchivio", kChooseCaption, kChooseToolTip, TwipsRect(120, 300, 2400, 435));
    connect(cmdScegliArchivio_, &QPushButton::clicked, this, &ArchiveWindow::ChooseArchive);
    lblArchivio_ = NewLabel(frame, "lblArchivio", kNoArchiveText, TwipsRect(2700, 90, 5880, 870));
    lblArchivio_->setWordWrap(true);
    lblArchivio_->setAccessibleName("Archivio caricato");
}

void ArchiveWindow::BuildRangeFrame() {
    auto* frame = NewFrame(this, "fraIntervallo", TwipsRect(150, 1300, 4200, 1500));
    range_ = new DrawRangeControls(frame);
}

void ArchiveWindow::BuildDrawFrame() {
    auto* frame = NewFrame(this, "fraEstrazione", TwipsRect(150, 2900, 4200, 1600));
    NewLabel(frame, "lblEstrazioneCaption", kDrawCaption, TwipsRect(120, 150, 1300, 330));
    spnEstrazione_ = NewSpin(frame, "spnEstrazione", "Estrazione da usare", TwipsRect(1450, 150, 1200, 330));
    connect(spnEstrazione_, &QSpinBox::valueChanged, this, &ArchiveWindow::ShowChosenDraw);
    lblEstrazione_ = NewLabel(frame, "lblEstrazione", "", TwipsRect(120, 540, 3960, 480));
    lblEstrazione_->setWordWrap(true);
    lblEstrazione_->setAccessibleName("Numeri dell'estrazione scelta");
    cmdUsaEstrazione_ =
        NewCommandButton(frame, "cmdUsaEstrazione", kUseCaption, kUseToolTip, TwipsRect(120, 1080, 3960, 435));
    connect(cmdUsaEstrazione_, &QPushButton::clicked, this, &ArchiveWindow::UseDrawClicked);
}

void ArchiveWindow::BuildRecordControls() {
    cmdVerificaArchivio_ =
        NewCommandButton(this, "cmdVerificaArchivio", kCheckCaption, kCheckToolTip, TwipsRect(270, 4650, 3960, 435));
    connect(cmdVerificaArchivio_, &QPushButton::clicked, this, &ArchiveWindow::CheckClicked);
    prgVerifica_ = new QProgressBar(this);
    prgVerifica_->setObjectName("prgVerifica");
    prgVerifica_->setGeometry(TwipsRect(270, 5250, 2700, 360));
    prgVerifica_->setAccessibleName("Avanzamento della verifica");
    prgVerifica_->hide();
    cmdAnnulla_ =
        NewCommandButton(this, "cmdAnnulla", kCancelCaption, kCancelCaption, TwipsRect(3030, 5220, 1200, 420));
    connect(cmdAnnulla_, &QPushButton::clicked, this, &ArchiveWindow::CancelCheck);
    cmdAnnulla_->hide();

    tblRecord_ = new QTableWidget(kHighestReportedScore + 1, kRecordColumnCount, this);
    tblRecord_->setObjectName("tblRecord");
    tblRecord_->setGeometry(TwipsRect(4500, 1300, 4350, 3600));
    tblRecord_->setAccessibleName("Risultati del Sistema sulle estrazioni scelte");
    tblRecord_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblRecord_->verticalHeader()->hide();
    tblRecord_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int column = 0; column < kRecordColumnCount; ++column) {
        const RecordColumn& named = kRecordColumns[column];
        auto* header = new QTableWidgetItem(named.header);
        header->setToolTip(named.toolTip);
        tblRecord_->setHorizontalHeaderItem(column, header);
    }
    // Every score in sight below the two-line headings, without scrolling.
    const int rows = kHighestReportedScore + 1;
    const int room =
        tblRecord_->height() - 2 * tblRecord_->frameWidth() - tblRecord_->horizontalHeader()->sizeHint().height();
    const int rowHeight = std::min(Px(kRecordRowHeight), room / rows);
    tblRecord_->verticalHeader()->setMinimumSectionSize(
        std::min(rowHeight, tblRecord_->verticalHeader()->minimumSectionSize()));
    for (int row = 0; row <= kHighestReportedScore; ++row) {
        tblRecord_->setRowHeight(row, rowHeight);
        for (int column = 0; column < kRecordColumnCount; ++column) {
            auto* item = new QTableWidgetItem(column == 0 ? QString::number(kHighestReportedScore - row) : QString());
            item->setTextAlignment(Qt::AlignCenter);
            tblRecord_->setItem(row, column, item);
        }
    }

    NewLabel(this, "lblListaCaption", kListCaption, TwipsRect(4500, 5000, 4350, 300));
    drawLines_ = new QStringListModel(this);
    lstEstrazioni_ = NewReadOnlyList(this, "lstEstrazioni", TwipsRect(4500, 5300, 4350, 1800),
                                     "Estrazioni con il punteggio migliore del Sistema", drawLines_);
    connect(lstEstrazioni_->selectionModel(), &QItemSelectionModel::currentChanged, this, &ArchiveWindow::ListDraw);
    connect(lstEstrazioni_, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        ListDraw(index);
        UseDrawClicked();
    });

    lblProbabilita_ = NewLabel(this, "lblProbabilita", "", TwipsRect(270, 7250, 8580, 1000));
    lblProbabilita_->setWordWrap(true);
    lblProbabilita_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblProbabilita_->setAccessibleName("Probabilità della condizione della garanzia");

    // Below the check's progress, where the left column has room.
    lblCosto_ = NewLabel(this, "lblCosto", "", TwipsRect(270, 5750, 3960, 1300));
    lblCosto_->setWordWrap(true);
    lblCosto_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblCosto_->setAccessibleName("Costo del Sistema per estrazione");
}

void ArchiveWindow::ShowCost(std::int64_t draws) {
    const auto lines = static_cast<std::int64_t>(context_.state.SystemCombinations.size());
    lblCosto_->setText(QString::fromStdString(CostPerDrawText(lines, context_.state.StakeCents, draws)));
}

void ArchiveWindow::Open() {
    setWindowTitle(ProductTitle() + kWindowName);
    ShowCondition();
    ShowCost(0);
    exec();
}

void ArchiveWindow::ChooseArchive() {
    std::optional<ChosenArchive> archive = ChooseAndReadArchive(context_, this);
    if (!archive) return;
    draws_ = std::move(archive->draws);
    archiveName_ = std::move(archive->name);
    drawLines_->setStringList({});
    listed_.clear();
    for (int row = 0; row <= kHighestReportedScore; ++row) {
        for (int column = 1; column < kRecordColumnCount; ++column) tblRecord_->item(row, column)->setText({});
    }
    ShowArchive();
    ShowCondition();
}

void ArchiveWindow::ShowArchive() {
    const int count = static_cast<int>(draws_.size());
    range_->Show({}, count);
    {
        const QSignalBlocker quiet(spnEstrazione_);
        spnEstrazione_->setRange(1, std::max(count, 1));
    }
    spnEstrazione_->setValue(count);
    if (!HasArchive()) {
        lblArchivio_->setText(kNoArchiveText);
    } else {
        lblArchivio_->setText(QString::fromStdString(ArchiveSummary(archiveName_, draws_)));
    }
    ShowChosenDraw();
}

void ArchiveWindow::ShowChosenDraw() {
    if (!HasArchive()) {
        lblEstrazione_->clear();
        return;
    }
    const auto position = static_cast<std::size_t>(spnEstrazione_->value());
    const auto& draw = draws_[position - 1];
    lblEstrazione_->setText(QString::fromStdString(DrawLabel(draw, position) + ": " + NumbersText(draw.numbers)));
}

int ArchiveWindow::ConditionNumbers() const {
    if (!context_.state.HasMatrix()) return 0;
    const auto claim = ClaimOfNameFields(MatrixNameFields(context_.state.MatrixName));
    return claim ? std::max(claim->drawn, 0) : 0;
}

void ArchiveWindow::ShowCondition() {
    const int wanted = ConditionNumbers();
    if (wanted == 0) {
        lblProbabilita_->setText(kNoConditionText);
        return;
    }
    NumberMask used;
    for (const auto& line : context_.state.SystemCombinations) used |= NumberMaskOfLine(line);
    lblProbabilita_->setText(QString::fromStdString("Garanzia della Matrice " + context_.state.MatrixName + ", sui " +
                                                    std::to_string(used.Count()) + " numeri del Sistema.\n" +
                                                    ConditionProbabilityText(used.Count(), wanted)));
}

void ArchiveWindow::UseDrawClicked() {
    if (!HasArchive()) {
        ShowMessage(context_.state, this, kNoArchive);
        return;
    }
    useDraw_(draws_[static_cast<std::size_t>(spnEstrazione_->value()) - 1].numbers);
    close();
}

void ArchiveWindow::ListDraw(const QModelIndex& index) {
    if (!index.isValid() || static_cast<std::size_t>(index.row()) >= listed_.size()) return;
    spnEstrazione_->setValue(static_cast<int>(listed_[static_cast<std::size_t>(index.row())].position) + 1);
}

DrawRangeChoice ArchiveWindow::RangeChoice() const { return range_->Choice(); }

bool ArchiveWindow::ChosenRange(std::size_t& first, std::size_t& last) const {
    const DrawRange range = RangeOfChoice(RangeChoice(), draws_.size());
    first = range.first;
    last = range.end;
    return !range.Empty();
}

void ArchiveWindow::BuildStatisticsButton() {
    cmdStatistiche_ = NewCommandButton(this, "cmdStatistiche", kStatisticsCaption, kStatisticsToolTip,
                                       TwipsRect(270, 8400, 3960, 435));
    connect(cmdStatistiche_, &QPushButton::clicked, this, &ArchiveWindow::StatisticsClicked);
}

void ArchiveWindow::StatisticsClicked() {
    if (!HasArchive()) {
        ShowMessage(context_.state, this, kNoArchive);
        return;
    }
    if (statistics_ == nullptr) statistics_ = new StatisticsWindow(context_, this);
    statistics_->OpenOn(draws_, archiveName_, RangeChoice());
}

void ArchiveWindow::CheckClicked() {
    if (run_) return;
    if (!HasArchive()) {
        ShowMessage(context_.state, this, kNoArchive);
        return;
    }
    if (!context_.state.HasSystem()) {
        ShowMessage(context_.state, this, kNoSystem);
        return;
    }
    std::size_t first = 0;
    std::size_t last = 0;
    if (!ChosenRange(first, last)) {
        ShowMessage(context_.state, this, kBadRange);
        return;
    }
    run_ = std::make_unique<Run>(context_.state.SystemCombinations, ConditionNumbers());
    run_->first = run_->next = first;
    run_->last = last;
    run_->record.best.reserve(last - first);
    run_->clock.start();
    for (auto* button : {cmdVerificaArchivio_, cmdScegliArchivio_, cmdUsaEstrazione_}) button->setEnabled(false);
    CheckNextPiece();
}

void ArchiveWindow::CheckNextPiece() {
    if (!run_) return;
    const auto lines = static_cast<std::int64_t>(std::max<std::size_t>(run_->checker.LineCount(), 1));
    const auto piece = static_cast<std::size_t>(std::max<std::int64_t>(kPairsPerPiece / lines, 1));
    const std::size_t end = std::min(run_->last, run_->next + piece);
    run_->checker.Check(draws_, run_->next, end, run_->record);
    run_->next = end;
    if (run_->next == run_->last) {
        FinishCheck();
        return;
    }
    if (run_->clock.elapsed() > kProgressAfterMs && !prgVerifica_->isVisible()) {
        prgVerifica_->setRange(0, static_cast<int>(run_->last - run_->first));
        prgVerifica_->show();
        cmdAnnulla_->show();
    }
    prgVerifica_->setValue(static_cast<int>(run_->next - run_->first));
    QTimer::singleShot(0, this, &ArchiveWindow::CheckNextPiece);
}

void ArchiveWindow::FinishCheck() {
    const auto run = std::move(run_);
    EndRun();
    ShowRecord(run->record);
    ShowCondition();
    ShowCost(static_cast<std::int64_t>(run->last - run->first));
    if (ConditionNumbers() > 0) {
        const auto draws = static_cast<long long>(run->last - run->first);
        lblProbabilita_->setText(lblProbabilita_->text() + "\n" +
                                 QString::fromStdString(ConditionHistoryText(run->record.conditionMet, draws)));
    }
}

void ArchiveWindow::CancelCheck() {
    run_.reset();
    EndRun();
}

void ArchiveWindow::EndRun() {
    prgVerifica_->hide();
    cmdAnnulla_->hide();
    for (auto* button : {cmdVerificaArchivio_, cmdScegliArchivio_, cmdUsaEstrazione_}) button->setEnabled(true);
}

void ArchiveWindow::ShowRecord(const ArchiveRecord& record) {
    for (int row = 0; row <= kHighestReportedScore; ++row) {
        const auto score = static_cast<std::size_t>(kHighestReportedScore - row);
        tblRecord_->item(row, 1)->setText(QString::number(record.drawsWith[score]));
        tblRecord_->item(row, 2)->setText(QString::number(record.wins[score]));
    }
    listed_ = BestFirst(record.best);
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(listed_.size()));
    for (const auto& best : listed_) lines.append(QString::fromStdString(ListLine(best, draws_[best.position])));
    drawLines_->setStringList(lines);
    lstEstrazioni_->scrollToTop();
}

void ArchiveWindow::closeEvent(QCloseEvent* event) {
    CancelCheck();
    QDialog::closeEvent(event);
}

}  // namespace ordavex
