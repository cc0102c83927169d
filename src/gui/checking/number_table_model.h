#pragma once

#include <QAbstractTableModel>
#include <optional>
#include <vector>

#include "checking/number_statistics.h"

namespace ordavex {

// The statistics of the ninety numbers as rows of a table, one number per row. Sorting orders the
// rows as the core ranks the numbers, so that the table and "the first N" agree; a selection
// stays with its numbers when the rows move.
class NumberTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit NumberTableModel(QObject* parent);

    // Shows new statistics in the current order of sorting; nothing shows before the first ones.
    void SetStatistics(const NumberStatistics& statistics);
    void Clear();
    bool HasStatistics() const { return statistics_.has_value(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    void sort(int column, Qt::SortOrder order) override;

    int NumberAt(int row) const { return order_[static_cast<std::size_t>(row)]; }
    int RowOf(int number) const { return rowOf_[static_cast<std::size_t>(number)]; }
    // The numbers in the order of the rows.
    const std::vector<int>& Order() const { return order_; }

private:
    void Rank();
    QString Text(int number, NumberColumn column) const;

    std::optional<NumberStatistics> statistics_;
    NumberColumn column_ = NumberColumn::kNumber;
    bool descending_ = false;
    std::vector<int> order_;
    std::array<int, kHighestNumber + 1> rowOf_{};
};

}  // namespace ordavex
