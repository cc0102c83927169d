#pragma once

#include <QDialog>

#include "dialogs/app_context.h"

class QListView;
class QStringListModel;

namespace ordavex {

// frmVisualizza: the system in memory as a numbered list, one combination a line, in the order
// in which the combinations are stored. It only shows.
class SystemViewer : public QDialog {
    Q_OBJECT
public:
    SystemViewer(AppContext& context, QWidget* owner);
    // Runs the loading steps and shows the window modally until it is closed.
    void Open();

private:
    void FillList();

    AppContext& context_;
    QListView* lstCombinazioni_ = nullptr;
    QStringListModel* items_ = nullptr;
};

}  // namespace ordavex
