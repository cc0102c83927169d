#include "checking/system_viewer.h"

#include <QListView>
#include <QStringList>
#include <QStringListModel>

#include "checking/numbered_line.h"
#include "widgets/ui_style.h"
#include "widgets/window_parts.h"

namespace ordavex {

namespace {
constexpr FixedDialogDesign kWindowDesign{"frmVisualizza", "Sistema in memoria", 5280, 5955};
}  // namespace

SystemViewer::SystemViewer(AppContext& context, QWidget* owner) : QDialog(owner, kFixedDialogFlags), context_(context) {
    SetUpFixedDialog(this, kWindowDesign);

    items_ = new QStringListModel(this);
    lstCombinazioni_ = NewReadOnlyList(this, "lstCombinazioni", TwipsRect(180, 240, 4875, 5460),
                                       "Combinazioni del sistema numerate", items_);
    lstCombinazioni_->setFont(DesignFont(kSegoeUi, kLargePoints));
    lstCombinazioni_->setSelectionMode(QAbstractItemView::NoSelection);
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
    lstCombinazioni_->scrollToTop();
    lstCombinazioni_->setFocus(Qt::OtherFocusReason);
    exec();
    // Closing unloads the list; the next opening shows the system as it is then.
    items_->setStringList({});
}

}  // namespace ordavex
