#pragma once

#include <QDialog>
#include <QTimer>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "combinations/file_command_host.h"
#include "dialogs/app_context.h"
#include "guarantee/matrix_library.h"
#include "guarantee/play_search.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace ordavex {

// "Matrice su misura": the player states a play (numbers, line length, fixed numbers, guarantee,
// a most number of lines) and either loads a matrix of the library made for it or has one searched
// for. A search runs on threads of its own, shows its progress and can be stopped; its proved
// result goes into the player's own matrices folder and becomes the loaded matrix.
class SuMisuraWindow : public QDialog {
    Q_OBJECT
public:
    SuMisuraWindow(AppContext& context, FileCommandHost& host, QWidget* owner);
    ~SuMisuraWindow() override;

    // Shows the window modally until it is closed.
    void Open();
    // The seed of the next search (by default a new one each time), for repeatable runs.
    void UseSeed(std::uint64_t seed) { seed_ = seed; }
    bool Searching() const { return search_ != nullptr; }

protected:
    void reject() override;

private:
    void BuildPlayFrame();
    void BuildFactsFrame();
    void BuildLibraryTable();
    void BuildSearchFrame();
    MatrixPlay Play() const;
    std::uint64_t Budget() const;
    std::vector<std::string> LibraryFolders() const;
    void ReadLibrary();
    void ShowPlay();
    void ShowLibraryRows();
    void LoadClicked();
    void GenerateClicked();
    void StopClicked();
    void ShowProgress();
    void FinishSearch();
    void EndSearchQuietly();
    double ChosenSeconds() const;
    std::optional<std::string> ChosenPath() const;
    void ShowSearching(bool searching);

    AppContext& context_;
    FileCommandHost& host_;
    MatrixLibrary library_{{}};
    std::unique_ptr<PlaySearch> search_;
    MatrixPlay searchedPlay_;
    std::uint64_t searchedBudget_ = 0;
    double searchedSeconds_ = 0;
    std::optional<std::uint64_t> seed_;
    QTimer poll_;

    QSpinBox* spnNumeri_ = nullptr;
    QSpinBox* spnLunghezza_ = nullptr;
    QSpinBox* spnFisse_ = nullptr;
    QSpinBox* spnPunti_ = nullptr;
    QSpinBox* spnEstratti_ = nullptr;
    QSpinBox* spnBudget_ = nullptr;
    QLabel* lblMigliore_ = nullptr;
    QLabel* lblLimite_ = nullptr;
    QLabel* lblProbabilita_ = nullptr;
    QLabel* lblRifiuto_ = nullptr;
    QTableWidget* lstLibreria_ = nullptr;
    QPushButton* cmdCarica_ = nullptr;
    QComboBox* cboTempo_ = nullptr;
    QPushButton* cmdGenera_ = nullptr;
    QPushButton* cmdFerma_ = nullptr;
    QProgressBar* prgRicerca_ = nullptr;
    QLabel* lblTempo_ = nullptr;
    QLabel* lblTrovata_ = nullptr;
    QLabel* lblScoperte_ = nullptr;
    QLabel* lblMosse_ = nullptr;
    QLabel* lblEsito_ = nullptr;
};

}  // namespace ordavex
