#include "checking/number_table_model.h"

#include "app/number_text.h"

namespace ordavex {

namespace {

struct ColumnDesign {
    const char* caption;
    const char* toolTip;
    // The order of a first click on the header: the largest values first, where players look for them.
    Qt::SortOrder firstOrder;
};

constexpr ColumnDesign kColumns[] = {
    {"Numero", "Numero", Qt::AscendingOrder},
    {"Estrazioni", "Estrazioni che hanno il numero (frequenza)", Qt::DescendingOrder},
    {"%", "Percentuale delle estrazioni che hanno il numero", Qt::DescendingOrder},
    {"Ritardo", "Estrazioni dall'ultima uscita del numero", Qt::DescendingOrder},
    {"Rit. max", "Ritardo massimo: la serie più lunga di estrazioni senza il numero", Qt::DescendingOrder},
    {"Int. medio", "Intervallo medio: estrazioni per ogni uscita del numero", Qt::DescendingOrder},
};
constexpr int kColumnCount = static_cast<int>(std::size(kColumns));
constexpr int kNumberDigits = 2;

}  // namespace

NumberTableModel::NumberTableModel(QObject* parent) : QAbstractTableModel(parent) {
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        order_.push_back(n);
        rowOf_[static_cast<std::size_t>(n)] = n - kLowestNumber;
    }
}

void NumberTableModel::SetStatistics(const NumberStatistics& statistics) {
    beginResetModel();
    statistics_ = statistics;
    Rank();
    endResetModel();
}

void NumberTableModel::Clear() {
    beginResetModel();
    statistics_.reset();
    endResetModel();
}

int NumberTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !statistics_ ? 0 : kHighestNumber;
}

int NumberTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QString NumberTableModel::Text(int number, NumberColumn column) const {
    const NumberRecord& record = statistics_->Of(number);
    switch (column) {
        case NumberColumn::kNumber:
            return QString::fromStdString(ZeroPadded(number, kNumberDigits));
        case NumberColumn::kDrawn:
            return QString::number(record.drawn);
        case NumberColumn::kShare:
            return QString::fromStdString(ShareText(*statistics_, number));
        case NumberColumn::kDelay:
            return QString::fromStdString(DelayText(record.delay));
        case NumberColumn::kLongestDelay:
            return QString::number(record.longestDelay);
        case NumberColumn::kAverageGap:
            return QString::fromStdString(AverageGapText(*statistics_, number));
    }
    return {};
}

QVariant NumberTableModel::data(const QModelIndex& index, int role) const {
    if (!statistics_ || !index.isValid()) return {};
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
    return Text(NumberAt(index.row()), static_cast<NumberColumn>(index.column()));
}

QVariant NumberTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kColumnCount) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    const ColumnDesign& design = kColumns[section];
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromUtf8(design.caption);
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole:
            return QString::fromUtf8(design.toolTip);
        case Qt::InitialSortOrderRole:
            return int(design.firstOrder);
        default:
            return {};
    }
}

void NumberTableModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= kColumnCount) return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    column_ = static_cast<NumberColumn>(column);
    descending_ = order == Qt::DescendingOrder;
    const QModelIndexList before = persistentIndexList();
    std::vector<int> numbers;
    numbers.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& index : before) numbers.push_back(NumberAt(index.row()));
    Rank();
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        after.append(index(RowOf(numbers[static_cast<std::size_t>(i)]), before[i].column()));
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void NumberTableModel::Rank() {
    if (!statistics_) return;
    order_ = RankNumbers(*statistics_, column_, descending_);
    for (std::size_t row = 0; row < order_.size(); ++row) {
        rowOf_[static_cast<std::size_t>(order_[row])] = static_cast<int>(row);
    }
}

}  // namespace ordavex
