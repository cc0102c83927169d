#pragma once

#include <QWidget>
#include <memory>

#include "combinations/file_command_host.h"
#include "dialogs/app_context.h"

class QLabel;
class QToolButton;

namespace ordavex {

class ForecastWindow;
class SystemViewer;
class DrawCheckWindow;
class SuMisuraWindow;

// frmAmain: the hub of the program. Every command starts from one of its buttons.
class MainWindow : public QWidget, public FileCommandHost {
    Q_OBJECT
public:
    explicit MainWindow(AppContext& context);
    ~MainWindow() override;

    QWidget& DialogParent() override { return *this; }
    // Shows SystemCount in the counter of combinations in memory.
    void RefreshCounter() override;
    void ShowMatrixPanel(const MatrixPanel& panel) override;
    // Tells whether the guarantee in the matrix's name holds: the tooltip of lblDesc, and a sign
    // beside it when the check proved the guarantee true or false.
    void ShowGuaranteeCheck(const GuaranteeVerdict& verdict) override;

    AppContext& Context() { return context_; }

    // The windows opened from here; each is made the first time it is shown.
    ForecastWindow& Forecast();
    SystemViewer& Viewer();
    DrawCheckWindow& DrawCheck();
    SuMisuraWindow& SuMisura();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateStartFolders();
    void BuildTopBand();
    void BuildMiddleBand();
    void BuildBottomBand();
    QToolButton* AddCommandButton(QWidget* parent, const char* name, const char* caption, const char* toolTip,
                                  const char* icon, int left);
    QLabel* AddValueLabel(QWidget* parent, const char* name, int left, int top, int width, int height);
    QLabel* AddCaptionLabel(QWidget* parent, int index, const char* text, int left, int top, int width, int height,
                            double points);

    // Runs a command and then shows the counter as it now stands.
    template <typename Command>
    void Run(Command command);
    bool RequireMatrix();
    bool RequireSystem();

    void OnOpenFile();
    void OnOpenMatrice();
    void OnAdattaMatrice();
    void OnVisualizza();
    void OnSpoglio();
    void OnSalva();
    void OnTools();
    void OnSuMisura();
    void OnAggiornamenti();

    AppContext& context_;
    QLabel* lblNumeri_ = nullptr;
    QLabel* lblCombinazioni_ = nullptr;
    QLabel* lblLunghezza_ = nullptr;
    QLabel* lblFisse_ = nullptr;
    QLabel* lblCatturate_ = nullptr;
    QLabel* lblDesc_ = nullptr;
    QLabel* guaranteeSign_ = nullptr;
    QLabel* lblGaranziaNonValida_ = nullptr;
    std::unique_ptr<ForecastWindow> forecast_;
    std::unique_ptr<SystemViewer> viewer_;
    std::unique_ptr<DrawCheckWindow> drawCheck_;
    std::unique_ptr<SuMisuraWindow> suMisura_;
};

}  // namespace ordavex
