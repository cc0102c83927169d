#include "checking/draw_check_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStringListModel>

#include "app/error_number.h"
#include "app/number_text.h"
#include "app/twips.h"
#include "checking/archive_window.h"
#include "checking/output_buttons.h"
#include "checking/score_ruler.h"
#include "checking/table_export.h"
#include "checking/used_numbers.h"
#include "dialogs/info_window.h"
#include "dialogs/message_dialog.h"
#include "dialogs/report_error.h"
#include "widgets/application_key_filter.h"
#include "widgets/number_keypad.h"
#include "widgets/ui_style.h"
#include "widgets/window_parts.h"

namespace ordavex {

namespace {

// One row below the design's frames holds the button of the archive of draws: 6555 twips high.
constexpr FixedDialogDesign kWindowDesign{"frmSpoglio", "Spoglio vincite", 11745, 6555};

// Enter on a number marks it rather than starting the check.
constexpr NumberKeypadDesign kKeypadDesign{"cmdSpoglio", 180, 270, 30, false};

constexpr int kTickTop = 4920;
constexpr int kTickWidth = 225;
constexpr int kTickHeight = 345;
constexpr std::array<int, kHighestReportedScore + 1> kTickLefts = {300,  690,  1080, 1470, 1860, 2250,
                                                                   2610, 2970, 3330, 3690, 4080};
constexpr std::array<bool, kHighestReportedScore + 1> kTickedAtOpening = {true, false, false, false, false, true,
                                                                          true, true,  true,  true,  true};
constexpr int kRulerLeft = 330;
constexpr int kRulerTop = 5220;
constexpr int kRulerWidth = 4155;
constexpr int kRulerHeight = 255;

constexpr const char* kSelectedCaption = " Selezionati";
constexpr const char* kVerifyCaption = "VERIFICA VINCITE";
constexpr const char* kVerifyToolTip = "Esegue Spoglio Vincite";
constexpr const char* kGeneralCaption = "Generale";
constexpr const char* kGeneralToolTip = "Vncite Globali";
constexpr const char* kWinnersCaption = "Vincenti";
constexpr const char* kWinnersToolTip = "Schede Vincenti con x punti";
constexpr const char* kRuleResource = ":/icons/rule.svg";
constexpr const char* kArchiveCaption = "Archivio estrazioni...";
constexpr const char* kArchiveToolTip = "Usa un'estrazione di un archivio o verifica il Sistema su molte estrazioni";

// The buttons that hand out the report share the archive button's row, under the report's frame.
constexpr int kOutputTop = 5910;
constexpr int kOutputHeight = 435;
constexpr int kOutputWidth = 1290;
constexpr int kOutputLefts[] = {6150, 7535, 8920, 10305};
constexpr const char* kNoSystem = "Nessun Sistema in memoria ..!";
constexpr const char* kNoReport = "Nessun risultato nella lista ..!";
constexpr const char* kReportLinesNoun = "righe";
constexpr const char* kWinnersReportOpening = " (punti";
constexpr const char* kNoDrawnNumbers = "nessun numero";
constexpr int kDrawnDigits = 2;

constexpr const char* kHelpText =
    "FUNZIONI:||"
    "Il software, evidenzia in grassetto i numeri componenti il Sistema.||"
    "1) - Selezionare sul tastierino la combinazione/spoglio da verificare.|"
    "2) - Selezionare GENERALE per il Quadro completo vincite Sistema.|"
    "3) - Selezionare VINCENTI per visualizzare le combinazioni che hanno|"
    "      realizzato i punteggi scelti con la spunta.|"
    "4) - Cliccare VERIFICA VINCITE per i risultati.|"
    "5) - Il tasto CANC o DEL, resetta la selezione.|";

}  // namespace

DrawCheckWindow::DrawCheckWindow(AppContext& context, QWidget* owner)
    : QDialog(owner, kFixedDialogFlags), context_(context), keypad_(kKeypadDesign, palette().color(QPalette::Button)) {
    SetUpFixedDialog(this, kWindowDesign);
    BuildKeypadFrame();
    BuildReportFrame();
    cmdArchivio_ =
        NewCommandButton(this, "cmdArchivio", kArchiveCaption, kArchiveToolTip, TwipsRect(150, 5910, 2955, 435));
    connect(cmdArchivio_, &QPushButton::clicked, this, &DrawCheckWindow::OpenArchive);
    BuildOutputButtons();
}

void DrawCheckWindow::BuildOutputButtons() {
    std::array<QRect, 4> places;
    for (std::size_t i = 0; i < places.size(); ++i) {
        places[i] = TwipsRect(kOutputLefts[i], kOutputTop, kOutputWidth, kOutputHeight);
    }
    OutputSource source;
    source.refusal = [this] { return Refusal(); };
    source.document = [this](const std::string& printedAt) { return ReportDocument(printedAt); };
    source.csv = [this] { return ReportCsv(shown_.kind, shown_.lines); };
    source.textLines = [this] { return ReportTextLines(); };
    source.clipboardLines = [this] { return shown_.lines; };
    source.lineNoun = kReportLinesNoun;
    output_ = new OutputButtons(context_, this, places, std::move(source));
}

std::string DrawCheckWindow::Refusal() const {
    if (!context_.state.HasSystem()) return kNoSystem;
    return shown_.lines.empty() ? kNoReport : std::string();
}

PrintDocument DrawCheckWindow::ReportDocument(const std::string& printedAt) const {
    std::string name = shown_.kind == ReportKind::kGeneral ? kGeneralCaption : kWinnersCaption;
    if (shown_.kind == ReportKind::kWinners) {
        name += kWinnersReportOpening;
        for (std::size_t p = 0; p < shown_.wanted.size(); ++p) {
            if (!shown_.wanted[p]) continue;
            name += ' ';
            name += std::to_string(p);
        }
        name += ')';
    }
    return ReportPrintDocument(context_.state, printedAt, shown_.drawn, name, shown_.lines);
}

// A winners list exports as the combination file of the winning combinations; the general table
// as its lines.
LineList DrawCheckWindow::ReportTextLines() const {
    return shown_.kind == ReportKind::kWinners ? WinningCombinations(shown_.lines) : shown_.lines;
}

void DrawCheckWindow::BuildKeypadFrame() {
    keypadFrame_ = NewFrame(this, "Frame1", TwipsRect(150, 180, 5925, 5595));
    keypadFrame_->setAccessibleName("Tastierino dei numeri estratti");

    auto* counterFrame = NewFrame(keypadFrame_, "Frame2", TwipsRect(180, 4770, 2205, 675));
    auto* caption = new QLabel(kSelectedCaption, counterFrame);
    caption->setObjectName("Label1(0)");
    caption->setGeometry(TwipsRect(150, 270, 975, 285));
    caption->setFont(DesignFont(kSegoeUi, kRegularPoints, true));
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    lblSelezionati_ = NewCounter(counterFrame, "lblSelezionati", TwipsRect(1410, 240, 465, 285), kCountColour,
                                 "Numeri estratti selezionati");

    auto* verifyFrame = NewFrame(keypadFrame_, "Frame3", TwipsRect(2550, 4770, 3165, 675));
    cmdVerifica_ =
        NewCommandButton(verifyFrame, "cmdVerifica", kVerifyCaption, kVerifyToolTip, TwipsRect(90, 150, 2955, 435));
    // Queued: the click returns before a message of the check opens.
    connect(cmdVerifica_, &QPushButton::clicked, this, &DrawCheckWindow::VerifyWinsClicked, Qt::QueuedConnection);
}

void DrawCheckWindow::BuildReportFrame() {
    auto* frame = NewFrame(this, "Frame4", TwipsRect(6150, 180, 5445, 5595));

    reportLines_ = new QStringListModel(this);
    lstCombinazioni_ = NewReadOnlyList(frame, "lstCombinazioni", TwipsRect(150, 240, 5115, 4020),
                                       "Risultati dello spoglio", reportLines_);
    lstCombinazioni_->setFont(DesignFont(kSegoeUi, kLargePoints));

    const struct {
        const char* caption;
        const char* toolTip;
        int left;
    } options[] = {{kGeneralCaption, kGeneralToolTip, 390}, {kWinnersCaption, kWinnersToolTip, 3060}};
    for (std::size_t i = 0; i < opTipo_.size(); ++i) {
        auto* option = new QRadioButton(options[i].caption, frame);
        option->setObjectName(QString("opTipo(%1)").arg(i));
        option->setGeometry(TwipsRect(options[i].left, 4350, 1335, 285));
        option->setFont(DesignFont(kSegoeUi, kSmallPoints, true));
        option->setToolTip(options[i].toolTip);
        option->setAccessibleName(options[i].caption);
        option->setAccessibleDescription(options[i].toolTip);
        opTipo_[i] = option;
    }

    auto* rule = new QLabel(frame);
    rule->setObjectName("Image2(0)");
    rule->setGeometry(TwipsRect(30, 4740, 5370, 120));
    rule->setScaledContents(true);
    rule->setPixmap(QPixmap(kRuleResource));
    rule->setAccessibleName("Separatore");

    std::vector<int> centres;
    for (std::size_t p = 0; p < chkPunto_.size(); ++p) {
        auto* tick = new QCheckBox(frame);
        tick->setObjectName(QString("chkPunto(%1)").arg(p));
        tick->setGeometry(TwipsRect(kTickLefts[p], kTickTop, kTickWidth, kTickHeight));
        tick->setAccessibleName(QString("Punti %1").arg(p));
        chkPunto_[p] = tick;
        centres.push_back(Px(kTickLefts[p] + kTickWidth / 2 - kRulerLeft));
    }
    auto* ruler = new ScoreRuler(std::move(centres), frame);
    ruler->setObjectName("Label2");
    ruler->setGeometry(TwipsRect(kRulerLeft, kRulerTop, kRulerWidth, kRulerHeight));
    ruler->setAccessibleName("Punteggi da 0 a 10");

    QWidget* previous = lstCombinazioni_;
    for (QWidget* next : {static_cast<QWidget*>(opTipo_[0]), static_cast<QWidget*>(opTipo_[1])}) {
        setTabOrder(previous, next);
        previous = next;
    }
    for (auto* tick : chkPunto_) {
        setTabOrder(previous, tick);
        previous = tick;
    }
}

void DrawCheckWindow::Open() {
    Load();
    ApplicationKeyFilter keyPreview(this);
    exec();
    reportLines_->setStringList({});
    shown_ = {};
}

void DrawCheckWindow::Load() {
    setWindowTitle(ProductTitleWithHelp());
    ResetReportControls();
    RebuildKeypad();
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) keypad_.SetBold(n, false);
    ColourAllButtons();
    ShowSystemNumbersInBold();
    ShowDrawnCount();
    keypad_.FocusFirst();
}

void DrawCheckWindow::ResetReportControls() {
    reportLines_->setStringList({});
    shown_ = {};
    opTipo_[0]->setChecked(true);
    for (std::size_t p = 0; p < chkPunto_.size(); ++p) chkPunto_[p]->setChecked(kTickedAtOpening[p]);
}

void DrawCheckWindow::RebuildKeypad() {
    // Each opening starts again from the design: the template alone.
    keypad_.Clear();
    keypad_.PlaceTemplate(keypadFrame_);
    keypad_.Grow(context_.state.KeypadTabCounter, this, [this](int n) { ToggleNumber(n); });
    setTabOrder(keypad_.Last(), cmdVerifica_);
    setTabOrder(cmdVerifica_, lstCombinazioni_);
    setTabOrder(chkPunto_.back(), cmdArchivio_);
}

void DrawCheckWindow::ShowSystemNumbersInBold() {
    try {
        for (auto n : UsedNumbers(context_.state.SystemCombinations)) keypad_.SetBold(n, true);
    } catch (const OrdavexError& error) {
        // The window still opens, with no number in bold.
        ReportError(context_.state, this, error.Number());
    }
}

QColor DrawCheckWindow::ColourOf(int n) const { return marks_.IsMarked(n) ? kSelectedColour : keypad_.Face(); }

void DrawCheckWindow::ColourAllButtons() {
    keypad_.ColourAll([this](int n) { return ColourOf(n); });
}

void DrawCheckWindow::ShowDrawnCount() {
    lblSelezionati_->setText(QString::number(marks_.DrawnCount));
    lblSelezionati_->repaint();
}

void DrawCheckWindow::ToggleNumber(int n) {
    marks_.Toggle(n);
    keypad_.Colour(n, ColourOf(n));
    ShowDrawnCount();
}

void DrawCheckWindow::AllNumbers(bool modo) {
    marks_.AllNumbers(modo);
    ColourAllButtons();
    keypad_.FocusFirst();
    ShowDrawnCount();
}

void DrawCheckWindow::MarkDraw(const NumberMask& numbers) {
    marks_.MarkOnly(numbers);
    ColourAllButtons();
    ShowDrawnCount();
}

void DrawCheckWindow::OpenArchive() {
    if (archiveWindow_ == nullptr) {
        archiveWindow_ = new ArchiveWindow(context_, this, [this](const NumberMask& numbers) { MarkDraw(numbers); });
    }
    archiveWindow_->Open();
}

ReportKind DrawCheckWindow::ChosenReport() const {
    return opTipo_[1]->isChecked() ? ReportKind::kWinners : ReportKind::kGeneral;
}

WantedScores DrawCheckWindow::TickedScores() const {
    WantedScores wanted{};
    for (std::size_t p = 0; p < chkPunto_.size(); ++p) wanted[p] = chkPunto_[p]->isChecked();
    return wanted;
}

void DrawCheckWindow::VerifyWinsClicked() {
    const auto outcome = VerifyWins(context_.state.SystemCombinations, marks_, ChosenReport(), TickedScores());
    if (outcome.HasMessage()) {
        ShowMessage(context_.state, this, outcome.message);
        return;
    }
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(outcome.lines.size()));
    for (const auto& line : outcome.lines) lines.append(QString::fromStdString(line));
    reportLines_->setStringList(lines);
    shown_ = {ChosenReport(), TickedScores(), DrawnNumbersText(), outcome.lines};
    lstCombinazioni_->scrollToTop();
}

std::string DrawCheckWindow::DrawnNumbersText() const {
    std::string text;
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        if (!marks_.IsMarked(n)) continue;
        if (!text.empty()) text += ' ';
        AppendZeroPadded(text, n, kDrawnDigits);
    }
    return text.empty() ? kNoDrawnNumbers : text;
}

void DrawCheckWindow::ShowHelp() { ShowInfo(context_.state, this, kHelpText); }

bool DrawCheckWindow::eventFilter(QObject* watched, QEvent* event) {
    if (!IsKeyOfShownWindow(watched, event, this)) return false;
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_F10:
            ShowHelp();
            return true;
        case Qt::Key_Delete:
            AllNumbers(false);
            return true;
        default:
            return false;
    }
}

}  // namespace ordavex
