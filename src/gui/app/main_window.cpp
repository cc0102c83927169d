#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

#include "checking/draw_check_window.h"
#include "checking/system_viewer.h"
#include "combinations/file_commands.h"
#include "combinations/su_misura_window.h"
#include "dialogs/message_dialog.h"
#include "dialogs/report_error.h"
#include "forecast/forecast_window.h"
#include "update/update_address.h"
#include "widgets/ui_style.h"
#include "widgets/window_parts.h"

namespace ordavex {

namespace {

constexpr const char* kNoMatrixText = "Nessuna Matrice selezionata";
constexpr const char* kLoadMatrixFirst = "Caricare una Matrice ..!";
constexpr const char* kNoSystem = "Nessun Sistema in memoria ..!";
constexpr const char* kConfirmExit = "Confermi uscita dal programma?";
constexpr MessageAnswer<bool> kExitChoices[] = {{false, "NO"}, {true, "SI"}};
// Shown with the address on a line of its own, which the user can select and copy into a browser.
constexpr const char* kNoBrowser = "Impossibile aprire il browser ..!|Indirizzo degli aggiornamenti:|";

constexpr int kClientWidth = 10995;
constexpr int kClientHeight = 5940;
constexpr int kBandLeft = 150;
constexpr int kBandWidth = 10695;
constexpr int kCommandTop = 270;
constexpr int kCommandWidth = 1400;
constexpr int kCommandHeight = 1200;
constexpr int kCommandIconPixels = 48;
const QColor kFisseColour{255, 0, 0};
constexpr int kSignTwips = 240;
constexpr int kSignPixels = 16;
constexpr const char* kVerifiedIcon = ":/icons/guarantee_verified.svg";
constexpr const char* kFalseIcon = ":/icons/guarantee_false.svg";
// "Su misura" stands in the middle band's free space left of the picture, in the style of the
// command buttons.
constexpr const char* kSuMisuraCaption = "Su misura";
constexpr const char* kSuMisuraToolTip = "Matrice su misura: scegli o genera";
constexpr const char* kSuMisuraIcon = ":/icons/su_misura.svg";
constexpr int kSuMisuraLeft = 90;
constexpr int kSuMisuraTop = 680;
// A name that promises more than the lines give is told in red in the description frame's free
// band above lblDesc, which keeps its own text, font, colour and place.
const QColor kInvalidGuaranteeColour{255, 0, 0};

struct CommandButton {
    const char* name;
    const char* caption;
    const char* toolTip;
    const char* icon;
    int left;
};

}  // namespace

MainWindow::MainWindow(AppContext& context)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint),
      context_(context) {
    setObjectName("frmAmain");
    setFont(DesignFont(kSegoeUi, kSmallPoints));
    setFixedSize(Px(kClientWidth), Px(kClientHeight));
    BuildTopBand();
    BuildMiddleBand();
    BuildBottomBand();

    // Load: the title, the start folders, the description.
    setWindowTitle(ProductTitle());
    context_.state.SetStartFolders(context_.folders);
    CreateStartFolders();
    lblDesc_->setText(kNoMatrixText);
    RefreshCounter();

    if (const auto* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateStartFolders() {
    const int failure = CreateUserFolders(context_.folders);
    if (failure == 0) return;
    // Told once the window is on the screen, as the message dialog is modal over it.
    QTimer::singleShot(0, this, [this, failure] { ReportError(context_.state, this, failure); });
}

QToolButton* MainWindow::AddCommandButton(QWidget* parent, const char* name, const char* caption, const char* toolTip,
                                          const char* icon, int left) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolTip(toolTip);
    button->setAccessibleName(caption);
    button->setAccessibleDescription(toolTip);
    button->setIcon(QIcon(icon));
    button->setIconSize(QSize(kCommandIconPixels, kCommandIconPixels));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFont(DesignFont(kSegoeUi, kRegularPoints, true));
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAutoRaise(false);
    button->setGeometry(TwipsRect(left, kCommandTop, kCommandWidth, kCommandHeight));
    return button;
}

QLabel* MainWindow::AddValueLabel(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* label = new QLabel("0", parent);
    label->setObjectName(name);
    label->setGeometry(TwipsRect(left, top, width, height));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setFont(DesignFont(kSegoeUi, kMediumPoints, true));
    SetBackground(label, kValueLabelBackground);
    return label;
}

QLabel* MainWindow::AddCaptionLabel(QWidget* parent, int index, const char* text, int left, int top, int width,
                                    int height, double points) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString("Label1(%1)").arg(index));
    label->setGeometry(TwipsRect(left, top, width, height));
    label->setFont(DesignFont(kSegoeUi, points, true));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

void MainWindow::BuildTopBand() {
    auto* frame = NewFrame(this, "Frame4", TwipsRect(kBandLeft, 180, kBandWidth, 1665));

    const CommandButton commands[] = {
        {"cmdOpenFile", "Apri File", "Carica File/Sistema", ":/icons/open_file.svg", 330},
        {"cmdOpenMatrice", "Matrice", "Carica Matrice", ":/icons/matrix.svg", 1770},
        {"cmdAdattaMatrice", "Crea Sistema", "Adatta Matrice al Pronostico", ":/icons/create_system.svg", 3210},
        {"cmdVisualizza", "Visualizza", "Visualizza Sviluppo", ":/icons/view.svg", 4650},
        {"cmdSpoglio", "Spoglio", "Verifica Vincite", ":/icons/check.svg", 6090},
        {"cmdSalva", "Salva", "Salva Sistema", ":/icons/save.svg", 7530},
        {"cmdTools", "No Duplicati", "Elimina combinazioni ripetute", ":/icons/no_duplicates.svg", 8970},
    };
    using Handler = void (MainWindow::*)();
    const Handler handlers[] = {&MainWindow::OnOpenFile,   &MainWindow::OnOpenMatrice, &MainWindow::OnAdattaMatrice,
                                &MainWindow::OnVisualizza, &MainWindow::OnSpoglio,     &MainWindow::OnSalva,
                                &MainWindow::OnTools};
    QWidget* previous = nullptr;
    for (std::size_t i = 0; i < std::size(commands); ++i) {
        const auto& command = commands[i];
        auto* button =
            AddCommandButton(frame, command.name, command.caption, command.toolTip, command.icon, command.left);
        // Queued: the click returns before a modal window opens, so that an assistive
        // technology's "press" does not wait until that window closes.
        connect(button, &QToolButton::clicked, this, handlers[i], Qt::QueuedConnection);
        if (previous != nullptr) setTabOrder(previous, button);
        previous = button;
    }
}

void MainWindow::BuildMiddleBand() {
    auto* frame = NewFrame(this, "Frame2", TwipsRect(kBandLeft, 1860, kBandWidth, 2565));

    auto* picture = new QLabel(frame);
    picture->setObjectName("Image2");
    picture->setGeometry(TwipsRect(1560, 600, 5250, 1350));
    picture->setScaledContents(true);
    picture->setPixmap(QIcon(":/icons/banner.svg").pixmap(QSize(Px(5250), Px(1350)) * 2));
    picture->setAccessibleName("Immagine decorativa");

    auto* suMisura =
        AddCommandButton(frame, "cmdSuMisura", kSuMisuraCaption, kSuMisuraToolTip, kSuMisuraIcon, kSuMisuraLeft);
    suMisura->move(suMisura->x(), Px(kSuMisuraTop));
    connect(suMisura, &QToolButton::clicked, this, &MainWindow::OnSuMisura, Qt::QueuedConnection);

    auto* panel = new QGroupBox("Matrice Selezionata", frame);
    panel->setObjectName("Frame3");
    panel->setGeometry(TwipsRect(7470, 270, 3045, 2025));
    panel->setFont(DesignFont(kSegoeUi, kSmallPoints, true));

    // Each row: a caption (its index, text, left, top, width), then its value (name, top, description).
    const struct {
        int captionIndex;
        const char* caption;
        int captionLeft;
        int captionTop;
        int captionWidth;
        const char* valueName;
        int valueTop;
        const char* valueDescription;
        QLabel* MainWindow::*value;
    } rows[] = {
        {0, "Numeri in Gioco", 180, 450, 1695, "lblNumeri", 360, "Numeri in gioco della matrice",
         &MainWindow::lblNumeri_},
        {2, "Combinazioni", 180, 840, 1695, "lblCombinazioni", 750, "Combinazioni della matrice",
         &MainWindow::lblCombinazioni_},
        {3, "Lunghezza", 840, 1200, 1035, "lblLunghezza", 1140, "Lunghezza delle combinazioni",
         &MainWindow::lblLunghezza_},
        {4, "FISSE", 810, 1590, 1065, "lblFisse", 1530, "Numeri fissi della matrice", &MainWindow::lblFisse_},
    };
    for (const auto& row : rows) {
        AddCaptionLabel(panel, row.captionIndex, row.caption, row.captionLeft, row.captionTop, row.captionWidth, 195,
                        kSmallPoints);
        QLabel* value = AddValueLabel(panel, row.valueName, 2040, row.valueTop, 780, 315);
        // Value labels carry no accessible name, so that a screen reader speaks the value itself; the
        // description tells what the value is.
        value->setAccessibleDescription(row.valueDescription);
        this->*row.value = value;
    }
    SetTextColour(lblFisse_, kFisseColour);
}

void MainWindow::BuildBottomBand() {
    auto* band = NewFrame(this, "Frame1(1)", TwipsRect(kBandLeft, 4440, kBandWidth, 1335));

    auto* counterFrame = NewFrame(band, "Frame5", TwipsRect(300, 270, 4185, 855));
    AddCaptionLabel(counterFrame, 1, "Combinazioni attuali in memoria", 120, 420, 2775, 195, kRegularPoints)
        ->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblCatturate_ = AddValueLabel(counterFrame, "lblCatturate", 3120, 360, 780, 315);
    lblCatturate_->setAccessibleDescription("Combinazioni attuali in memoria");

    auto* descriptionFrame = NewFrame(band, "Frame6", TwipsRect(4590, 270, 4545, 855));
    lblDesc_ = new QLabel(descriptionFrame);
    lblDesc_->setObjectName("lblDesc");
    lblDesc_->setGeometry(TwipsRect(270, 390, 4035, 345));
    lblDesc_->setFont(DesignFont(kSegoeUi, kLargePoints));
    lblDesc_->setAlignment(Qt::AlignCenter);
    lblDesc_->setAccessibleDescription("Descrizione della matrice");

    // In the frame's free corner above lblDesc, which keeps its own place, font and text.
    guaranteeSign_ = new QLabel(descriptionFrame);
    guaranteeSign_->setObjectName("imgGaranzia");
    guaranteeSign_->setGeometry(TwipsRect(4245, 60, kSignTwips, kSignTwips));
    guaranteeSign_->setAccessibleDescription("Esito del controllo della garanzia");
    guaranteeSign_->hide();

    lblGaranziaNonValida_ = new QLabel(descriptionFrame);
    lblGaranziaNonValida_->setObjectName("lblGaranziaNonValida");
    lblGaranziaNonValida_->setGeometry(TwipsRect(270, 75, 3930, 285));
    lblGaranziaNonValida_->setFont(DesignFont(kSegoeUi, kSmallPoints, true));
    lblGaranziaNonValida_->setAlignment(Qt::AlignCenter);
    lblGaranziaNonValida_->setTextFormat(Qt::PlainText);
    lblGaranziaNonValida_->setAccessibleDescription("Avviso sulla garanzia della matrice");
    SetTextColour(lblGaranziaNonValida_, kInvalidGuaranteeColour);

    auto* update = new QToolButton(band);
    update->setObjectName("cmdAggiornamenti");
    update->setToolTip("Scarica Aggiornamenti");
    update->setAccessibleName("Scarica Aggiornamenti");
    update->setIcon(QIcon(":/icons/update.svg"));
    update->setIconSize(QSize(kCommandIconPixels, kCommandIconPixels));
    update->setFocusPolicy(Qt::StrongFocus);
    update->setGeometry(TwipsRect(9330, 210, 1155, 1005));
    connect(update, &QToolButton::clicked, this, &MainWindow::OnAggiornamenti);
}

void MainWindow::RefreshCounter() {
    lblCatturate_->setText(QString::number(context_.state.SystemCount));
    lblCatturate_->repaint();
}

void MainWindow::ShowMatrixPanel(const MatrixPanel& panel) {
    lblNumeri_->setText(panel.numbers);
    lblCombinazioni_->setText(panel.combinations);
    lblLunghezza_->setText(panel.length);
    lblFisse_->setText(panel.fixed);
    lblDesc_->setText(panel.description);
    for (auto* label : {lblNumeri_, lblCombinazioni_, lblLunghezza_, lblFisse_, lblDesc_}) label->repaint();
}

void MainWindow::ShowGuaranteeCheck(const GuaranteeVerdict& verdict) {
    const QString text = QString::fromStdString(verdict.text);
    lblDesc_->setToolTip(text);
    guaranteeSign_->setToolTip(text);
    guaranteeSign_->setAccessibleName(text);
    lblGaranziaNonValida_->setText(verdict.sign == GuaranteeSign::kFalse ? QString::fromStdString(verdict.failure)
                                                                         : QString());
    if (verdict.sign == GuaranteeSign::kNone) {
        guaranteeSign_->hide();
        return;
    }
    const char* icon = verdict.sign == GuaranteeSign::kVerified ? kVerifiedIcon : kFalseIcon;
    guaranteeSign_->setPixmap(QIcon(icon).pixmap(QSize(kSignPixels, kSignPixels), devicePixelRatioF()));
    guaranteeSign_->show();
}

ForecastWindow& MainWindow::Forecast() {
    if (!forecast_) forecast_ = std::make_unique<ForecastWindow>(context_, this);
    return *forecast_;
}

SystemViewer& MainWindow::Viewer() {
    if (!viewer_) viewer_ = std::make_unique<SystemViewer>(context_, this);
    return *viewer_;
}

SuMisuraWindow& MainWindow::SuMisura() {
    if (!suMisura_) suMisura_ = std::make_unique<SuMisuraWindow>(context_, *this, this);
    return *suMisura_;
}

DrawCheckWindow& MainWindow::DrawCheck() {
    if (!drawCheck_) drawCheck_ = std::make_unique<DrawCheckWindow>(context_, this);
    return *drawCheck_;
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) RefreshCounter();
    QWidget::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Ended by the end of the program (no answer), the program ends.
    if (!Ask(context_.state, this, kConfirmExit, kExitChoices).value_or(true)) {
        event->ignore();
        return;
    }
    // The other windows are children of this one and go with it.
    suMisura_.reset();
    drawCheck_.reset();
    viewer_.reset();
    forecast_.reset();
    event->accept();
}

template <typename Command>
void MainWindow::Run(Command command) {
    command();
    RefreshCounter();
}

bool MainWindow::RequireMatrix() {
    if (context_.state.HasMatrix()) return true;
    ShowMessage(context_.state, this, kLoadMatrixFirst);
    return false;
}

bool MainWindow::RequireSystem() {
    if (context_.state.HasSystem()) return true;
    ShowMessage(context_.state, this, kNoSystem);
    return false;
}

void MainWindow::OnOpenFile() {
    Run([this] { LoadSystemCommand(context_, *this); });
}

void MainWindow::OnOpenMatrice() {
    Run([this] { LoadMatrixCommand(context_, *this); });
}

void MainWindow::OnAdattaMatrice() {
    Run([this] {
        if (RequireMatrix()) Forecast().Open();
    });
}

void MainWindow::OnVisualizza() {
    Run([this] {
        if (RequireSystem()) Viewer().Open();
    });
}

void MainWindow::OnSpoglio() {
    Run([this] {
        if (RequireSystem()) DrawCheck().Open();
    });
}

void MainWindow::OnSalva() {
    Run([this] {
        if (RequireSystem()) SaveSystemCommand(context_, *this);
    });
}

void MainWindow::OnTools() {
    Run([this] {
        if (RequireSystem()) RemoveDuplicatesCommand(context_, *this);
    });
}

void MainWindow::OnSuMisura() {
    Run([this] { SuMisura().Open(); });
}

void MainWindow::OnAggiornamenti() {
    const std::string address = UpdateAddress();
    if (!context_.urls.OpenUrl(address)) ShowMessage(context_.state, this, kNoBrowser + address);
}

}  // namespace ordavex
