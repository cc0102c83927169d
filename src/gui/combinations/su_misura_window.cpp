#include "combinations/su_misura_window.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <thread>

#include "app/error_number.h"
#include "app/program_folders.h"
#include "checking/draw_probability.h"
#include "combinations/file_commands.h"
#include "dialogs/message_dialog.h"
#include "dialogs/report_error.h"
#include "guarantee/coverage_percent.h"
#include "guarantee/kept_matrix.h"
#include "lottery/draw_size.h"
#include "lottery/line_length.h"
#include "lottery/number_range.h"
#include "widgets/ui_style.h"
#include "widgets/window_parts.h"

namespace ordavex {

namespace {

constexpr FixedDialogDesign kWindowDesign{"frmSuMisura", "Matrice su misura", 9000, 8430};
constexpr const char* kTitleSuffix = " - Matrice su misura";

constexpr const char* kPlayCaption = "Il gioco";
constexpr const char* kFactsCaption = "Per questo gioco";
constexpr const char* kLibraryCaption = "Matrici della libreria con questi numeri in gioco e questa lunghezza";
constexpr const char* kSearchCaption = "Genera una matrice";
constexpr const char* kLoadCaption = "Carica";
constexpr const char* kLoadToolTip = "Carica la matrice scelta nell'elenco come matrice attuale";
constexpr const char* kGenerateCaption = "Genera";
constexpr const char* kGenerateToolTip = "Cerca una matrice per il gioco indicato con tutti i processori";
constexpr const char* kStopCaption = "Ferma";
constexpr const char* kStopToolTip = "Ferma la ricerca e conserva la matrice migliore trovata";
constexpr const char* kDurationCaption = "Durata";

constexpr const char* kStopQuestion = "Interrompere la ricerca? La matrice migliore trovata sarà conservata.";
constexpr MessageAnswer<bool> kStopChoices[] = {{false, "NO"}, {true, "SI"}};
constexpr const char* kNothingToLoad =
    "Nessuna matrice della libreria per questo gioco:|sceglierne una dall'elenco o premere Genera ..!";
constexpr const char* kNoneText = "nessuna";
constexpr const char* kSearchingText = "Ricerca in corso...";
constexpr const char* kStoppedEmptyText =
    "Ricerca fermata prima della prima matrice completa: nessuna matrice salvata.";
constexpr const char* kNotSavedText = "La matrice non è stata salvata.";

// Play, defaults and ranges: a 10-number play of 20 numbers, 6 points if 8 are drawn.
struct SpinDesign {
    const char* name;
    const char* caption;
    int least;
    int most;
    int initial;
    QSpinBox* SuMisuraWindow::*spin;
};

struct Duration {
    const char* caption;
    double seconds;
};
constexpr double kUntilStopped = std::numeric_limits<double>::infinity();
constexpr Duration kDurations[] = {
    {"10 s", 10}, {"1 min", 60}, {"5 min", 300}, {"30 min", 1800}, {"fino a Ferma", kUntilStopped},
};
constexpr int kDefaultDuration = 1;

constexpr int kPollMilliseconds = 100;
constexpr int kProgressSteps = 1000;
// Memory the searches of one generation may hold together; each holds its own table.
constexpr double kSearchMemoryBytes = 1.5e9;
constexpr double kBytesPerSet = 18;
const QColor kRefusalColour{192, 0, 0};

enum LibraryColumn { kGuaranteeColumn, kFixedColumn, kLinesColumn, kChanceColumn, kFileColumn, kColumnCount };
const char* const kColumnTitles[] = {"Garanzia", "Fisse", "Combinazioni", "Probabilità", "File"};
constexpr int kTableRowTwips = 300;
constexpr int kPathRole = Qt::UserRole;
constexpr int kSortRole = Qt::UserRole + 1;

// A cell that sorts by a number of its own rather than by its text.
class SortedCell : public QTableWidgetItem {
public:
    SortedCell(const QString& text, double key) : QTableWidgetItem(text) {
        setData(kSortRole, key);
        setFlags(flags() & ~Qt::ItemIsEditable);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        return data(kSortRole).toDouble() < other.data(kSortRole).toDouble();
    }
};

QString Grouped(double value) { return QLocale(QLocale::Italian).toString(std::round(value), 'f', 0); }

QString Lines(std::uint64_t count) {
    return Grouped(static_cast<double>(count)) + (count == 1 ? " combinazione" : " combinazioni");
}

QString CoverageText(int points, int drawn, std::uint64_t uncovered, std::uint64_t sets) {
    const std::string share = sets == 0 ? "100" : CoveragePercentText(sets - uncovered, sets, ',');
    return QString::number(points) + " punti nel " + QString::fromStdString(share) + "% dei casi con " +
           QString::number(drawn) + " estratti";
}

QString ConditionText(const MatrixPlay& play) {
    if (play.fixed == 0) {
        return "Probabilità che escano almeno " + QString::number(play.drawn) + " dei " +
               QString::number(play.numbers) + " numeri in un'estrazione: ";
    }
    return "Probabilità che escano le " + QString::number(play.fixed) + " fisse e almeno " +
           QString::number(play.drawn - play.fixed) + " degli altri " + QString::number(play.numbers - play.fixed) +
           " numeri in un'estrazione: ";
}

int SearchThreads(const MatrixPlay& play) {
    const int cores = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
    const double bytes = static_cast<double>(PlaySetCount(play)) * kBytesPerSet;
    const int affordable = bytes <= 0 ? cores : static_cast<int>(kSearchMemoryBytes / bytes);
    return std::clamp(affordable, 1, cores);
}

QLabel* NewTextLabel(QWidget* parent, const char* name, const QRect& place, const char* accessibleName) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setAccessibleName(accessibleName);
    return label;
}

}  // namespace

SuMisuraWindow::SuMisuraWindow(AppContext& context, FileCommandHost& host, QWidget* owner)
    : QDialog(owner, kFixedDialogFlags), context_(context), host_(host) {
    SetUpFixedDialog(this, kWindowDesign);
    setWindowTitle(ProductTitle() + kTitleSuffix);
    BuildPlayFrame();
    BuildFactsFrame();
    BuildLibraryTable();
    BuildSearchFrame();
    poll_.setInterval(kPollMilliseconds);
    connect(&poll_, &QTimer::timeout, this, &SuMisuraWindow::ShowProgress);
    ShowSearching(false);
}

SuMisuraWindow::~SuMisuraWindow() = default;

void SuMisuraWindow::BuildPlayFrame() {
    auto* frame = new QGroupBox(kPlayCaption, this);
    frame->setObjectName("fraGioco");
    frame->setGeometry(TwipsRect(150, 120, 4300, 2880));
    frame->setFont(DesignFont(kSegoeUi, kSmallPoints, true));
    const SpinDesign spins[] = {
        {"spnNumeri", "Numeri in gioco", 1, kHighestNumber, 20, &SuMisuraWindow::spnNumeri_},
        {"spnLunghezza", "Numeri per combinazione", kShortestCombination, kLongestCombination, 10,
         &SuMisuraWindow::spnLunghezza_},
        {"spnFisse", "Numeri fissi in ogni combinazione", 0, kLongestCombination - 1, 0, &SuMisuraWindow::spnFisse_},
        {"spnPunti", "Punti garantiti", 1, kLongestCombination, 6, &SuMisuraWindow::spnPunti_},
        {"spnEstratti", "se escono (estratti)", 1, kNumbersPerDraw, 8, &SuMisuraWindow::spnEstratti_},
        {"spnBudget", "Combinazioni al massimo (budget)", 0, 1'000'000, 0, &SuMisuraWindow::spnBudget_},
    };
    int top = 330;
    QWidget* previous = nullptr;
    for (const SpinDesign& design : spins) {
        auto* caption = new QLabel(design.caption, frame);
        caption->setGeometry(TwipsRect(120, top, 2700, 330));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setFont(DesignFont(kSegoeUi, kSmallPoints));
        auto* spin = new QSpinBox(frame);
        spin->setObjectName(design.name);
        spin->setGeometry(TwipsRect(2900, top, 1200, 330));
        spin->setRange(design.least, design.most);
        spin->setValue(design.initial);
        spin->setAccessibleName(design.caption);
        spin->setFont(DesignFont(kSegoeUi, kRegularPoints));
        caption->setBuddy(spin);
        connect(spin, &QSpinBox::valueChanged, this, &SuMisuraWindow::ShowPlay);
        if (previous != nullptr) setTabOrder(previous, spin);
        previous = spin;
        this->*design.spin = spin;
        top += 420;
    }
    spnBudget_->setSpecialValueText("nessuno");
}

void SuMisuraWindow::BuildFactsFrame() {
    auto* frame = new QGroupBox(kFactsCaption, this);
    frame->setObjectName("fraEsito");
    frame->setGeometry(TwipsRect(4600, 120, 4250, 2880));
    frame->setFont(DesignFont(kSegoeUi, kSmallPoints, true));
    lblMigliore_ =
        NewTextLabel(frame, "lblMigliore", TwipsRect(120, 300, 4010, 620), "Matrice più piccola disponibile");
    lblLimite_ = NewTextLabel(frame, "lblLimite", TwipsRect(120, 960, 4010, 400), "Limite inferiore dimostrato");
    lblProbabilita_ = NewTextLabel(frame, "lblProbabilita", TwipsRect(120, 1400, 4010, 680), "Probabilità");
    lblRifiuto_ = NewTextLabel(frame, "lblRifiuto", TwipsRect(120, 2100, 4010, 720), "Perché il gioco non si può fare");
    for (auto* label : {lblMigliore_, lblLimite_, lblProbabilita_, lblRifiuto_}) {
        label->setFont(DesignFont(kSegoeUi, kSmallPoints));
    }
    SetTextColour(lblRifiuto_, kRefusalColour);
}

void SuMisuraWindow::BuildLibraryTable() {
    auto* caption = new QLabel(kLibraryCaption, this);
    caption->setGeometry(TwipsRect(150, 3090, 8700, 255));
    caption->setFont(DesignFont(kSegoeUi, kSmallPoints, true));
    lstLibreria_ = new QTableWidget(0, kColumnCount, this);
    lstLibreria_->setObjectName("lstLibreria");
    lstLibreria_->setAccessibleName(kLibraryCaption);
    lstLibreria_->setGeometry(TwipsRect(150, 3360, 8700, 2100));
    for (int column = 0; column < kColumnCount; ++column) {
        lstLibreria_->setHorizontalHeaderItem(column, new QTableWidgetItem(kColumnTitles[column]));
    }
    lstLibreria_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstLibreria_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstLibreria_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstLibreria_->verticalHeader()->hide();
    lstLibreria_->horizontalHeader()->setStretchLastSection(true);
    lstLibreria_->setColumnWidth(kGuaranteeColumn, Px(1900));
    lstLibreria_->setColumnWidth(kFixedColumn, Px(700));
    lstLibreria_->setColumnWidth(kLinesColumn, Px(1300));
    lstLibreria_->setColumnWidth(kChanceColumn, Px(1300));
    lstLibreria_->verticalHeader()->setDefaultSectionSize(Px(kTableRowTwips));
    lstLibreria_->setSortingEnabled(true);
    lstLibreria_->sortByColumn(kGuaranteeColumn, Qt::AscendingOrder);
    connect(lstLibreria_, &QTableWidget::cellDoubleClicked, this, &SuMisuraWindow::LoadClicked);

    cmdCarica_ = NewCommandButton(this, "cmdCarica", kLoadCaption, kLoadToolTip, TwipsRect(150, 5560, 1800, 420));
    connect(cmdCarica_, &QPushButton::clicked, this, &SuMisuraWindow::LoadClicked);
}

void SuMisuraWindow::BuildSearchFrame() {
    auto* frame = new QGroupBox(kSearchCaption, this);
    frame->setObjectName("fraGenera");
    frame->setGeometry(TwipsRect(150, 6080, 8700, 2200));
    frame->setFont(DesignFont(kSegoeUi, kSmallPoints, true));
    auto* duration = new QLabel(kDurationCaption, frame);
    duration->setGeometry(TwipsRect(120, 330, 700, 330));
    duration->setFont(DesignFont(kSegoeUi, kSmallPoints));
    cboTempo_ = new QComboBox(frame);
    cboTempo_->setObjectName("cboTempo");
    cboTempo_->setAccessibleName("Durata della ricerca");
    cboTempo_->setGeometry(TwipsRect(840, 300, 1560, 390));
    cboTempo_->setFont(DesignFont(kSegoeUi, kSmallPoints));
    for (const Duration& choice : kDurations) cboTempo_->addItem(choice.caption);
    cboTempo_->setCurrentIndex(kDefaultDuration);
    duration->setBuddy(cboTempo_);
    cmdGenera_ =
        NewCommandButton(frame, "cmdGenera", kGenerateCaption, kGenerateToolTip, TwipsRect(2550, 285, 1500, 420));
    connect(cmdGenera_, &QPushButton::clicked, this, &SuMisuraWindow::GenerateClicked);
    cmdFerma_ = NewCommandButton(frame, "cmdFerma", kStopCaption, kStopToolTip, TwipsRect(4170, 285, 1500, 420));
    connect(cmdFerma_, &QPushButton::clicked, this, &SuMisuraWindow::StopClicked);

    prgRicerca_ = new QProgressBar(frame);
    prgRicerca_->setObjectName("prgRicerca");
    prgRicerca_->setAccessibleName("Avanzamento della ricerca");
    prgRicerca_->setGeometry(TwipsRect(120, 840, 8460, 300));
    prgRicerca_->setRange(0, kProgressSteps);
    prgRicerca_->setValue(0);
    prgRicerca_->setTextVisible(false);

    lblTempo_ = NewTextLabel(frame, "lblTempo", TwipsRect(120, 1200, 2700, 300), "Tempo della ricerca");
    lblTrovata_ = NewTextLabel(frame, "lblTrovata", TwipsRect(2900, 1200, 2900, 300), "Matrice completa più piccola");
    lblScoperte_ = NewTextLabel(frame, "lblScoperte", TwipsRect(5900, 1200, 2680, 300), "Estrazioni scoperte");
    lblMosse_ = NewTextLabel(frame, "lblMosse", TwipsRect(120, 1530, 2700, 300), "Mosse al secondo");
    lblEsito_ = NewTextLabel(frame, "lblEsitoRicerca", TwipsRect(2900, 1530, 5680, 600), "Esito della ricerca");
    for (auto* label : {lblTempo_, lblTrovata_, lblScoperte_, lblMosse_, lblEsito_}) {
        label->setFont(DesignFont(kSegoeUi, kSmallPoints));
    }
}

void SuMisuraWindow::Open() {
    ReadLibrary();
    ShowPlay();
    exec();
}

MatrixPlay SuMisuraWindow::Play() const {
    return {spnNumeri_->value(), spnLunghezza_->value(), spnFisse_->value(), spnEstratti_->value(), spnPunti_->value()};
}

std::uint64_t SuMisuraWindow::Budget() const { return static_cast<std::uint64_t>(spnBudget_->value()); }

std::vector<std::string> SuMisuraWindow::LibraryFolders() const {
    return {StartFolder(context_.folders, kMatricesFolder), UserMatricesFolder(context_.folders)};
}

void SuMisuraWindow::ReadLibrary() { library_ = MatrixLibrary::OfFolders(LibraryFolders()); }

void SuMisuraWindow::ShowPlay() {
    spnFisse_->setMaximum(spnLunghezza_->value() - 1);
    const MatrixPlay play = Play();
    const std::string refusal = PlayRefusal(play, Budget());
    lblRifiuto_->setText(QString::fromStdString(refusal));
    const auto smallest = library_.Smallest(play);
    lblMigliore_->setText(
        "Matrice più piccola disponibile: " +
        (smallest ? Lines(smallest->lines) + " (" + QString::fromStdString(smallest->name) + ")" : QString(kNoneText)));
    if (refusal.empty()) {
        lblLimite_->setText("Limite inferiore dimostrato: " + Lines(PlayLowerBound(play)));
        lblProbabilita_->setText(ConditionText(play) + QString::fromStdString(PercentText(PlayChance(play))));
    } else {
        lblLimite_->setText("Limite inferiore dimostrato: -");
        lblProbabilita_->setText(QString());
    }
    ShowLibraryRows();
}

void SuMisuraWindow::ShowLibraryRows() {
    const MatrixPlay play = Play();
    const auto smallest = library_.Smallest(play);
    lstLibreria_->setSortingEnabled(false);
    lstLibreria_->clearContents();
    const auto matrices = library_.OfNumbersAndLength(play.numbers, play.length);
    lstLibreria_->setRowCount(static_cast<int>(matrices.size()));
    int selected = -1;
    for (int row = 0; row < static_cast<int>(matrices.size()); ++row) {
        const LibraryMatrix& matrix = matrices[static_cast<std::size_t>(row)];
        QString guarantee = QString::fromStdString(PlayGuaranteeText(matrix.play));
        if (matrix.budget > 0) guarantee += " (budget " + QString::number(matrix.budget) + ")";
        const long double chance = PlayRefusal(matrix.play).empty() ? PlayChance(matrix.play) : 0.0L;
        auto* first = new SortedCell(guarantee, matrix.play.points * 100.0 + matrix.play.drawn);
        first->setData(kPathRole, QString::fromStdString(matrix.path));
        lstLibreria_->setItem(row, kGuaranteeColumn, first);
        lstLibreria_->setItem(row, kFixedColumn, new SortedCell(QString::number(matrix.play.fixed), matrix.play.fixed));
        lstLibreria_->setItem(
            row, kLinesColumn,
            new SortedCell(Grouped(static_cast<double>(matrix.lines)), static_cast<double>(matrix.lines)));
        lstLibreria_->setItem(row, kChanceColumn,
                              new SortedCell(QString::fromStdString(PercentText(chance)), static_cast<double>(chance)));
        lstLibreria_->setItem(row, kFileColumn, new SortedCell(QString::fromStdString(matrix.name), row));
        if (smallest && matrix.path == smallest->path) selected = row;
    }
    lstLibreria_->setSortingEnabled(true);
    if (selected < 0) {
        lstLibreria_->clearSelection();
        return;
    }
    // Sorting has moved the rows: find the smallest matrix's row again by its path.
    for (int row = 0; row < lstLibreria_->rowCount(); ++row) {
        if (lstLibreria_->item(row, kGuaranteeColumn)->data(kPathRole).toString().toStdString() == smallest->path) {
            lstLibreria_->selectRow(row);
        }
    }
}

std::optional<std::string> SuMisuraWindow::ChosenPath() const {
    const auto rows = lstLibreria_->selectionModel()->selectedRows();
    if (!rows.isEmpty()) {
        return lstLibreria_->item(rows.first().row(), kGuaranteeColumn)->data(kPathRole).toString().toStdString();
    }
    if (const auto smallest = library_.Smallest(Play())) return smallest->path;
    return std::nullopt;
}

void SuMisuraWindow::LoadClicked() {
    if (Searching()) return;
    const auto path = ChosenPath();
    if (!path) {
        ShowMessage(context_.state, this, kNothingToLoad);
        return;
    }
    if (LoadMatrixFromFile(context_, host_, *path)) accept();
}

double SuMisuraWindow::ChosenSeconds() const {
    const int chosen = std::clamp(cboTempo_->currentIndex(), 0, static_cast<int>(std::size(kDurations)) - 1);
    return kDurations[chosen].seconds;
}

void SuMisuraWindow::GenerateClicked() {
    if (Searching()) return;
    const MatrixPlay play = Play();
    const std::string refusal = PlayRefusal(play, Budget());
    if (!refusal.empty()) {
        ShowMessage(context_.state, this, refusal);
        return;
    }
    PlaySearchSettings settings;
    settings.play = play;
    settings.budget = Budget();
    settings.seconds = ChosenSeconds();
    settings.threads = SearchThreads(play);
    settings.seed = seed_.value_or(std::random_device{}());
    settings.libraryFolders = LibraryFolders();
    searchedPlay_ = play;
    searchedBudget_ = settings.budget;
    searchedSeconds_ = settings.seconds;
    search_ = std::make_unique<PlaySearch>(settings);
    lblEsito_->setText(kSearchingText);
    ShowSearching(true);
    ShowProgress();
    poll_.start();
}

void SuMisuraWindow::StopClicked() {
    if (Searching()) search_->RequestStop();
}

void SuMisuraWindow::ShowSearching(bool searching) {
    cmdGenera_->setEnabled(!searching);
    cmdCarica_->setEnabled(!searching);
    cmdFerma_->setEnabled(searching);
    for (auto* spin : {spnNumeri_, spnLunghezza_, spnFisse_, spnPunti_, spnEstratti_, spnBudget_}) {
        spin->setEnabled(!searching);
    }
    cboTempo_->setEnabled(!searching);
    if (searching) {
        const bool endless = std::isinf(searchedSeconds_);
        prgRicerca_->setRange(0, endless ? 0 : kProgressSteps);
        prgRicerca_->setValue(0);
    } else {
        prgRicerca_->setRange(0, kProgressSteps);
    }
}

void SuMisuraWindow::ShowProgress() {
    if (!Searching()) return;
    const PlaySearchProgress progress = search_->Progress();
    const QString elapsed = QLocale(QLocale::Italian).toString(progress.seconds, 'f', 1) + " s";
    if (std::isinf(searchedSeconds_)) {
        lblTempo_->setText("Tempo: " + elapsed);
    } else {
        lblTempo_->setText("Tempo: " + elapsed + " di " + Grouped(searchedSeconds_) + " s");
        prgRicerca_->setValue(static_cast<int>(std::min(1.0, progress.seconds / searchedSeconds_) * kProgressSteps));
    }
    lblTrovata_->setText("Migliore completa: " +
                         (progress.bestLines == 0 ? QString("ancora nessuna") : Lines(progress.bestLines)));
    lblScoperte_->setText("Estrazioni scoperte: " + Grouped(static_cast<double>(progress.uncovered)));
    lblMosse_->setText("Mosse al secondo: " + Grouped(progress.movesPerSecond));
    if (search_->Finished()) FinishSearch();
}

void SuMisuraWindow::FinishSearch() {
    poll_.stop();
    const PlaySearchOutcome outcome = search_->Outcome();
    search_.reset();
    ShowSearching(false);
    prgRicerca_->setValue(kProgressSteps);
    if (!outcome.failure.empty()) {
        lblEsito_->setText(QString::fromStdString(outcome.failure));
        ShowMessage(context_.state, this, outcome.failure);
        return;
    }
    if (outcome.lines.empty()) {
        lblEsito_->setText(kStoppedEmptyText);
        return;
    }
    KeptMatrix kept;
    try {
        kept = KeepMatrixInFolder(UserMatricesFolder(context_.folders), outcome.name, outcome.lines);
    } catch (const OrdavexError& failure) {
        lblEsito_->setText(kNotSavedText);
        ReportError(context_.state, this, failure.Number());
        return;
    }
    const QString name = QString::fromStdString(outcome.name);
    QString text = kept.keptEarlier
                       ? "Conservata la matrice già presente " + name + " (" + Lines(kept.lines) +
                             "): quella trovata ne ha " + QString::number(outcome.lines.size()) + ", non è più piccola."
                       : "Salvata " + name + ": " + Lines(kept.lines) + ", verificata.";
    if (!outcome.complete) {
        text += " Garantiti " + QString::number(outcome.pointsHeld) + " punti; " +
                CoverageText(searchedPlay_.points, searchedPlay_.drawn, outcome.uncovered, outcome.sets) + ".";
    }
    lblEsito_->setText(text);
    ReadLibrary();
    ShowPlay();
    if (LoadMatrixFromFile(context_, host_, kept.path)) lblEsito_->setText(text + " Caricata come matrice attuale.");
}

void SuMisuraWindow::EndSearchQuietly() {
    search_->RequestStop();
    while (!search_->Finished()) QThread::msleep(5);
    FinishSearch();
}

void SuMisuraWindow::reject() {
    // The close box (through closeEvent) and Escape both come here.
    if (Searching()) {
        if (!Ask(context_.state, this, kStopQuestion, kStopChoices).value_or(true)) return;
        if (Searching()) EndSearchQuietly();
    }
    QDialog::reject();
}

}  // namespace ordavex
