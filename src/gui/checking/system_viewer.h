#pragma once

#include <QDialog>

#include "dialogs/app_context.h"

class QDoubleSpinBox;
class QLabel;
class QListView;
class QStringListModel;

namespace ordavex {

class OutputButtons;

// frmVisualizza: the system in memory as a numbered list, one combination a line, in the order
// in which the combinations are stored. Beside the list: printing, PDF, export and copy of the
// system, and its cost at the stake per combination that the player sets.
class SystemViewer : public QDialog {
    Q_OBJECT
public:
    SystemViewer(AppContext& context, QWidget* owner);
    // Runs the loading steps and shows the window modally until it is closed.
    void Open();

private:
    void FillList();
    void BuildCostControls();
    void StakeChanged(double euro);
    void ShowCost();

    AppContext& context_;
    QListView* lstCombinazioni_ = nullptr;
    QStringListModel* items_ = nullptr;
    OutputButtons* output_ = nullptr;
    QDoubleSpinBox* spnPosta_ = nullptr;
    QLabel* lblCosto_ = nullptr;
};

}  // namespace ordavex
