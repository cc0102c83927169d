#include "forecast/forecast_window.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <new>

#include "app/error_number.h"
#include "checking/statistics_window.h"
#include "dialogs/info_window.h"
#include "dialogs/message_dialog.h"
#include "dialogs/report_error.h"
#include "forecast/development.h"
#include "forecast/fixed_numbers_text.h"
#include "forecast/forecast_selection.h"
#include "widgets/application_key_filter.h"
#include "widgets/number_keypad.h"
#include "widgets/ui_style.h"
#include "widgets/window_parts.h"

namespace ordavex {

namespace {

constexpr FixedDialogDesign kWindowDesign{"frmTastierino", "Selezione pronostico", 10995, 5955};

constexpr NumberKeypadDesign kKeypadDesign{"cmdTastierino", 240, 360, 60, true};

const QColor kMatrixNameColour{202, 11, 39};
const QColor kStillToSelectColour{192, 0, 0};

constexpr const char* kForecastCaption = "SELEZIONE PRONOSTICO";
constexpr const char* kMatrixCaption = "MATRICE SELEZIONATA";
constexpr const char* kSelectedCaption = "Numeri Selezionati";
constexpr const char* kStillToSelectCaption = "da selezionare";
constexpr const char* kDevelopCaption = "SVILUPPA SISTEMA";
constexpr const char* kDevelopToolTip = "Adatta Pronostico";
constexpr const char* kFixedInfoDescription = "Numeri oro e numeri fissi della matrice";
constexpr const char* kStatisticsCaption = "Statistiche...";
constexpr const char* kStatisticsToolTip = "Frequenze e ritardi dei numeri in un archivio di estrazioni";

QLabel* NewLabel(QWidget* parent, const QString& name, const QString& text, const QRect& place, Qt::Alignment alignment,
                 const QFont& font) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(place);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* NewCaption(QWidget* parent, int index, const char* text, const QRect& place, Qt::Alignment alignment,
                   const QFont& font) {
    return NewLabel(parent, QString("Label1(%1)").arg(index), text, place, alignment, font);
}

void ShowNumber(QLabel* label, int value) {
    label->setText(QString::number(value));
    label->repaint();
}

}  // namespace

ForecastWindow::ForecastWindow(AppContext& context, QWidget* owner)
    : QDialog(owner, kFixedDialogFlags), context_(context), keypad_(kKeypadDesign, palette().color(QPalette::Button)) {
    SetUpFixedDialog(this, kWindowDesign);
}

void ForecastWindow::Open() {
    BuildDesign();
    Load();
    ApplicationKeyFilter keys(this);
    exec();
}

void ForecastWindow::BuildDesign() {
    // Every opening starts from the window as designed: the keypad is the template alone.
    keypad_.Clear();
    // The statistics window keeps its archive from one opening to the next.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child != statistics_) delete child;
    }

    NewCaption(this, 1, kForecastCaption, TwipsRect(210, 210, 6285, 255), Qt::AlignHCenter,
               DesignFont(kSegoeUi, kRegularPoints));
    auto* keypadFrame = NewFrame(this, "Frame1", TwipsRect(210, 480, 6285, 5265));
    keypadFrame->setAccessibleName("Tastierino del pronostico");
    keypad_.PlaceTemplate(keypadFrame);

    NewCaption(this, 3, kMatrixCaption, TwipsRect(6570, 210, 4215, 255), Qt::AlignHCenter,
               DesignFont(kSegoeUi, kRegularPoints));
    auto* matrixFrame = NewFrame(this, "Frame4", TwipsRect(6570, 480, 4215, 705));
    lblNomeMatrice_ = NewLabel(matrixFrame, "lblNomeMatrice", QString(), TwipsRect(210, 240, 3795, 345), Qt::AlignRight,
                               DesignFont(kSegoeUi, kLargePoints, true));
    SetTextColour(lblNomeMatrice_, kMatrixNameColour);
    lblNomeMatrice_->setAccessibleDescription("Nome della matrice");

    auto* countersFrame = NewFrame(this, "Frame2", TwipsRect(6570, 1200, 4215, 1305));
    NewCaption(countersFrame, 0, kSelectedCaption, TwipsRect(1140, 420, 1845, 285), Qt::AlignRight,
               DesignFont(kSegoeUi, kRegularPoints, true));
    lblSelezionati_ =
        NewCounter(countersFrame, "lblSelezionati", TwipsRect(3270, 390, 465, 285), kCountColour, "Numeri selezionati");
    NewCaption(countersFrame, 2, kStillToSelectCaption, TwipsRect(1140, 780, 1845, 285), Qt::AlignRight,
               DesignFont(kSegoeUi, kRegularPoints, true));
    lblDaSelezionare_ = NewCounter(countersFrame, "lblDaSelezionare", TwipsRect(3270, 750, 465, 285),
                                   kStillToSelectColour, "Numeri da selezionare");

    auto* developFrame = NewFrame(this, "Frame3", TwipsRect(6570, 2550, 4215, 1035));
    cmdSviluppa_ = new QPushButton(kDevelopCaption, developFrame);
    cmdSviluppa_->setObjectName("cmdSviluppa");
    cmdSviluppa_->setGeometry(TwipsRect(300, 240, 3585, 675));
    cmdSviluppa_->setToolTip(kDevelopToolTip);
    cmdSviluppa_->setFont(DesignFont(kSegoeUi, kRegularPoints));
    cmdSviluppa_->setAccessibleName(kDevelopCaption);
    cmdSviluppa_->setAccessibleDescription(kDevelopToolTip);
    // Queued: the click returns before the message of the development opens.
    connect(cmdSviluppa_, &QPushButton::clicked, this, &ForecastWindow::DevelopClicked, Qt::QueuedConnection);

    // Under the frame of the development, in the room left to the right of the keypad; the
    // button of the statistics takes the bottom of that room.
    lblFisseInfo_ = NewLabel(this, "lblFisseInfo", QString(), TwipsRect(6630, 3690, 4095, 1320), Qt::AlignLeft,
                             DesignFont(kSegoeUi, kRegularPoints));
    lblFisseInfo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblFisseInfo_->setWordWrap(true);
    lblFisseInfo_->setAccessibleDescription(kFixedInfoDescription);
    cmdStatistiche_ = NewCommandButton(this, "cmdStatistiche", kStatisticsCaption, kStatisticsToolTip,
                                       TwipsRect(6870, 5130, 3585, 480));
    connect(cmdStatistiche_, &QPushButton::clicked, this, &ForecastWindow::StatisticsClicked, Qt::QueuedConnection);
}

void ForecastWindow::Load() {
    AppState& state = context_.state;
    setWindowTitle(ProductTitleWithHelp());
    keypad_.Grow(state.KeypadTabCounter, this, [this](int n) { NumberClicked(n); });
    // The keypad takes tab positions after every control of the design.
    setTabOrder(cmdStatistiche_, keypad_.First());
    keypad_.ColourAll([this](int n) { return ColourOf(n); });
    ShowSelectedCount();
    ShowStillToSelect();
    matrixCounts_ = CountMatrixNumbers(state.MatrixCombinations);
    ShowFixedNumbersInfo();
    lblNomeMatrice_->setText(QString::fromStdString(state.MatrixName));
    lblNomeMatrice_->repaint();
    cmdSviluppa_->setFocus(Qt::OtherFocusReason);
}

QColor ForecastWindow::ColourOf(int n) const {
    const auto state = context_.state.ForecastStates[static_cast<std::size_t>(n)];
    return state == kForecastFixed ? kFixedColour : state == kForecastSelected ? kSelectedColour : keypad_.Face();
}

void ForecastWindow::ShowSelectedCount() { ShowNumber(lblSelezionati_, context_.state.ForecastCount); }

void ForecastWindow::ShowStillToSelect() { ShowNumber(lblDaSelezionare_, NumbersStillToSelect(context_.state)); }

void ForecastWindow::ShowFixedNumbersInfo() {
    const int gold = GoldNumberCount(context_.state.ForecastStates);
    lblFisseInfo_->setText(QString::fromStdString(FixedNumbersText(matrixCounts_, gold)));
}

void ForecastWindow::NumberClicked(int n) {
    CycleForecastNumber(context_.state, n);
    keypad_.Colour(n, ColourOf(n));
    ShowSelectedCount();
    // The count still to pick follows every change, so that it never shows a stale value.
    ShowStillToSelect();
    ShowFixedNumbersInfo();
}

void ForecastWindow::AllNumbers(bool modo) {
    SetAllForecastNumbers(context_.state, modo);
    keypad_.ColourAll([this](int n) { return ColourOf(n); });
    keypad_.FocusFirst();
    ShowSelectedCount();
    ShowStillToSelect();
    ShowFixedNumbersInfo();
}

void ForecastWindow::StatisticsClicked() {
    if (statistics_ == nullptr) statistics_ = new StatisticsWindow(context_, this);
    if (!statistics_->OpenForForecast()) return;
    keypad_.ColourAll([this](int n) { return ColourOf(n); });
    ShowSelectedCount();
    ShowStillToSelect();
    ShowFixedNumbersInfo();
}

void ForecastWindow::ShowHelp() { ShowInfo(context_.state, this, ForecastHelpText(context_.state.MatrixNumbers)); }

void ForecastWindow::DevelopClicked() {
    AppState& state = context_.state;
    DevelopmentOutcome outcome;
    try {
        outcome = DevelopSystem(state);
    } catch (const OrdavexError& error) {
        ReportError(state, this, error.Number());
        return;
    } catch (const std::bad_alloc&) {
        ReportError(state, this, kErrOutOfMemory);
        return;
    }
    ShowMessage(state, this, outcome.message);
}

void ForecastWindow::KeyPressed(int key) {
    switch (key) {
        case Qt::Key_F10:
            ShowHelp();
            break;
        case Qt::Key_Insert:
            if (InsertSelectsAll(context_.state)) AllNumbers(true);
            break;
        case Qt::Key_Delete:
            AllNumbers(false);
            break;
        default:
            break;
    }
}

bool ForecastWindow::eventFilter(QObject* watched, QEvent* event) {
    if (!IsKeyOfShownWindow(watched, event, this)) return false;
    // A key that the focused control leaves unused travels on to its parents, and a help window
    // opened meanwhile moves the focus away: the window acts on the key once, where it first
    // arrives, which is the control that has the focus in this window (or the window itself).
    const QWidget* target = focusWidget() != nullptr ? focusWidget() : this;
    if (watched != target) return false;
    KeyPressed(static_cast<QKeyEvent*>(event)->key());
    return false;
}

}  // namespace ordavex
