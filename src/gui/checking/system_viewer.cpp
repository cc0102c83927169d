#include "checking/system_viewer.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QSignalBlocker>
#include <QStringList>
#include <QStringListModel>
#include <cmath>

#include "checking/numbered_line.h"
#include "checking/output_buttons.h"
#include "checking/system_cost.h"
#include "checking/table_export.h"
#include "widgets/ui_style.h"
#include "widgets/window_parts.h"

namespace ordavex {

namespace {

// The list keeps its place; a column to its right holds the buttons and the cost.
constexpr FixedDialogDesign kWindowDesign{"frmVisualizza", "Sistema in memoria", 8160, 5955};
constexpr int kColumnLeft = 5280;
constexpr int kColumnWidth = 2700;
constexpr int kButtonHeight = 435;
constexpr int kButtonTops[] = {240, 765, 1290, 1815};

constexpr const char* kNoSystem = "Nessun Sistema in memoria ..!";
constexpr const char* kStakeCaption = "Posta per combinazione:";
constexpr const char* kEuroSuffix = " \u20ac";
constexpr int kStakeDecimals = 2;
constexpr double kCentsPerEuro = 100.0;
constexpr const char* kLinesNoun = "combinazioni";
const QString kEuroSpace = QStringLiteral(" \u20ac");
const QString kUnbreakableEuro = QStringLiteral("\u00a0\u20ac");

std::array<QRect, 4> ButtonPlaces() {
    std::array<QRect, 4> places;
    for (std::size_t i = 0; i < places.size(); ++i) {
        places[i] = TwipsRect(kColumnLeft, kButtonTops[i], kColumnWidth, kButtonHeight);
    }
    return places;
}

double Euro(std::int64_t cents) { return static_cast<double>(cents) / kCentsPerEuro; }

}  // namespace

SystemViewer::SystemViewer(AppContext& context, QWidget* owner) : QDialog(owner, kFixedDialogFlags), context_(context) {
    SetUpFixedDialog(this, kWindowDesign);

    items_ = new QStringListModel(this);
    lstCombinazioni_ = NewReadOnlyList(this, "lstCombinazioni", TwipsRect(180, 240, 4875, 5460),
                                       "Combinazioni del sistema numerate", items_);
    lstCombinazioni_->setFont(DesignFont(kSegoeUi, kLargePoints));
    lstCombinazioni_->setSelectionMode(QAbstractItemView::NoSelection);

    const AppState& state = context_.state;
    OutputSource source;
    source.refusal = [&state] { return state.HasSystem() ? std::string() : std::string(kNoSystem); };
    source.document = [&state](const std::string& printedAt) { return SystemPrintDocument(state, printedAt); };
    source.csv = [&state] { return SystemCsv(state.SystemCombinations); };
    source.textLines = [&state] { return state.SystemCombinations; };
    source.clipboardLines = source.textLines;
    source.lineNoun = kLinesNoun;
    output_ = new OutputButtons(context_, this, ButtonPlaces(), std::move(source));
    BuildCostControls();
}

void SystemViewer::BuildCostControls() {
    auto* caption = new QLabel(kStakeCaption, this);
    caption->setObjectName("lblPosta");
    caption->setGeometry(TwipsRect(kColumnLeft, 2460, kColumnWidth, 285));

    spnPosta_ = new QDoubleSpinBox(this);
    spnPosta_->setObjectName("spnPosta");
    spnPosta_->setGeometry(TwipsRect(kColumnLeft, 2760, kColumnWidth, 360));
    spnPosta_->setAccessibleName("Posta per combinazione in euro");
    spnPosta_->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    spnPosta_->setDecimals(kStakeDecimals);
    spnPosta_->setRange(Euro(kLowestStakeCents), Euro(kHighestStakeCents));
    spnPosta_->setSingleStep(Euro(kStakeStepCents));
    spnPosta_->setGroupSeparatorShown(true);
    spnPosta_->setSuffix(kEuroSuffix);
    spnPosta_->setValue(Euro(context_.state.StakeCents));
    connect(spnPosta_, &QDoubleSpinBox::valueChanged, this, &SystemViewer::StakeChanged);
    caption->setBuddy(spnPosta_);

    lblCosto_ = new QLabel(this);
    lblCosto_->setObjectName("lblCosto");
    lblCosto_->setGeometry(TwipsRect(kColumnLeft, 3240, kColumnWidth, 1200));
    lblCosto_->setWordWrap(true);
    lblCosto_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblCosto_->setFont(DesignFont(kSegoeUi, kRegularPoints, true));
    lblCosto_->setAccessibleName("Costo del sistema");
}

void SystemViewer::StakeChanged(double euro) {
    context_.state.StakeCents = AllowedStake(std::llround(euro * kCentsPerEuro));
    ShowCost();
}

void SystemViewer::ShowCost() {
    const auto lines = static_cast<std::int64_t>(context_.state.SystemCombinations.size());
    // An amount and its euro sign stay on one line when the label wraps.
    lblCosto_->setText(
        QString::fromStdString(CostText(lines, context_.state.StakeCents)).replace(kEuroSpace, kUnbreakableEuro));
}

void SystemViewer::FillList() {
    const auto& lines = context_.state.SystemCombinations;
    QStringList items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        items.append(QString::fromStdString(ViewerItem(static_cast<std::int32_t>(i + 1), lines[i])));
    }
    items_->setStringList(items);
}

void SystemViewer::Open() {
    setWindowTitle(ProductTitle());
    FillList();
    {
        const QSignalBlocker quiet(spnPosta_);
        spnPosta_->setValue(Euro(context_.state.StakeCents));
    }
    ShowCost();
    lstCombinazioni_->scrollToTop();
    lstCombinazioni_->setFocus(Qt::OtherFocusReason);
    exec();
    // Closing unloads the list; the next opening shows the system as it is then.
    items_->setStringList({});
}

}  // namespace ordavex
