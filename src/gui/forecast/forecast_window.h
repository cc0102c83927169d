#pragma once

#include <QColor>
#include <QDialog>

#include "dialogs/app_context.h"
#include "forecast/matrix_number_counts.h"
#include "widgets/number_keypad.h"

class QLabel;
class QPushButton;

namespace ordavex {

class StatisticsWindow;

// frmTastierino: the user picks on a keypad of the numbers 1 to 90 as many numbers as the
// loaded matrix spans, some of them fixed, and develops the matrix onto them. The selection
// lives in the application state, so it outlives the window.
class ForecastWindow : public QDialog {
    Q_OBJECT
public:
    ForecastWindow(AppContext& context, QWidget* owner);
    // Rebuilds the window from its design, runs the loading steps and shows it modally until
    // it is closed.
    void Open();

    // Selects every number (modo true) or clears the keypad, fixed numbers included, then gives
    // the focus to button 1.
    void AllNumbers(bool modo);

protected:
    // While the window is open it sees every key before the control that has the focus; the key
    // then goes on to that control as usual.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildDesign();
    void Load();
    void NumberClicked(int n);
    void DevelopClicked();
    // Opens the statistics of an archive; numbers sent from there to the forecast show at once.
    void StatisticsClicked();
    void KeyPressed(int key);
    void ShowHelp();
    QColor ColourOf(int n) const;
    void ShowSelectedCount();
    void ShowStillToSelect();
    void ShowFixedNumbersInfo();

    AppContext& context_;
    NumberKeypad keypad_;
    QLabel* lblNomeMatrice_ = nullptr;
    QLabel* lblSelezionati_ = nullptr;
    QLabel* lblDaSelezionare_ = nullptr;
    QPushButton* cmdSviluppa_ = nullptr;
    QLabel* lblFisseInfo_ = nullptr;
    QPushButton* cmdStatistiche_ = nullptr;
    StatisticsWindow* statistics_ = nullptr;  // made at its first opening, then kept
    // Counted at each opening, as the matrix may have changed since the last one.
    MatrixNumberCounts matrixCounts_;
};

}  // namespace ordavex
