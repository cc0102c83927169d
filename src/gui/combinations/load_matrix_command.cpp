#include <QWidget>

#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <utility>

#include "checking/draw_probability.h"
#include "combinations/file_commands.h"
#include "combinations/guarantee_tooltip.h"
#include "combinations/load_refusal.h"
#include "combinations/matrix_file.h"
#include "guarantee/guarantee_matrix.h"
#include "guarantee/guarantee_tooltip_text.h"
#include "widgets/progress_window.h"

namespace ordavex {

namespace {

constexpr const char* kLoadingText = "Caricamento della Matrice";

const std::string kTooManyCombinations = "Ammesse max. " + std::to_string(kMatrixMaxCombinations) + " combinazioni ..!";

MatrixPanel PanelOf(const LoadedMatrix& matrix) {
    const MatrixPanelTexts texts = PanelTextsOf(matrix);
    return {QString::fromStdString(texts.numbers), QString::fromStdString(texts.combinations),
            QString::fromStdString(texts.length), QString::fromStdString(texts.fixed),
            QString::fromStdString(texts.description)};
}

const RefusalMessage<MatrixLoadOutcome> kRefusalMessages[] = {
    {MatrixLoadOutcome::Rejected, "Incompatibile ..!"},
    {MatrixLoadOutcome::TooManyNumbers, "Matrici di max. 90 numeri ..!"},
    {MatrixLoadOutcome::NotConsecutive, "Matrice non consecutiva ..!"},
    {MatrixLoadOutcome::TooManyCombinations, kTooManyCombinations.c_str()},
};

// A loaded matrix with its lines in the form the check of its guarantee reads, made with the
// load so that the check describes the lines in memory, not the file as it may be by then.
struct CheckableLoad : MatrixLoadResult {
    std::shared_ptr<const GuaranteeMatrix> checkable;
};

std::shared_ptr<const GuaranteeMatrix> CheckableLines(const LineList& lines) {
    try {
        return std::make_shared<const GuaranteeMatrix>(ReadGuaranteeMatrix(lines));
    } catch (const std::invalid_argument&) {
    } catch (const std::bad_alloc&) {
    }
    // The check then tells that it could not run; the matrix is loaded all the same.
    return nullptr;
}

// Reads the matrix away from the window's thread, in a table of open files of its own, so that a
// big matrix leaves the windows answering; the state is touched only once the reading is over.
CheckableLoad LoadMatrixAwayFromWindow(QWidget& window, const std::string& path) {
    WorkProgress progress;
    CheckableLoad load;
    ProgressWindow::RunOnFile(&window, kLoadingText, path, progress, [&path, &progress, &load] {
        static_cast<MatrixLoadResult&>(load) = LoadMatrixFile(path, &progress);
        if (load.outcome == MatrixLoadOutcome::Loaded) {
            load.checkable = CheckableLines(load.matrix.lines);
        }
    });
    return load;
}

// What follows a successful load, whichever window chose the file.
void ShowLoadedMatrix(AppContext& context, FileCommandHost& host, CheckableLoad& load) {
    AppState& state = context.state;
    LoadedMatrix& matrix = load.matrix;
    const std::string path = state.MatricesFolder;  // the loaded file, where the next dialog starts
    const MatrixPanel panel = PanelOf(matrix);
    const NameFields fields = matrix.fields;
    state.ReplaceMatrix(std::move(matrix.name), std::move(matrix.lines), matrix.numbers);
    host.ShowMatrixPanel(panel);
    // The verdict, then, on a line of its own, how likely the name's condition (p of the N numbers
    // drawn) is in one draw.
    const std::string chance = ClaimProbabilityText(state.MatrixNumbers, fields);
    QWidget& window = host.DialogParent();
    GuaranteeToolTipCheck::Of(window).Start(std::move(load.checkable), state.MatrixNumbers, fields, path,
                                            [&host, chance](GuaranteeVerdict verdict) {
                                                if (!chance.empty()) verdict.text += "\n" + chance;
                                                host.ShowGuaranteeCheck(verdict);
                                            });
}

}  // namespace

void LoadMatrixCommand(AppContext& context, FileCommandHost& host) {
    const std::string path = context.files.FileDialog(
        &host.DialogParent(), OpenMatrixRequest(context.state.MatricesFolder, UserMatricesFolder(context.folders)));
    if (!path.empty()) LoadMatrixFromFile(context, host, path);
}

bool LoadMatrixFromFile(AppContext& context, FileCommandHost& host, const std::string& path) {
    QWidget& window = host.DialogParent();
    const auto load = [&window](const std::string& chosen) { return LoadMatrixAwayFromWindow(window, chosen); };
    auto loaded = LoadChosenFile(context, host, context.state.MatricesFolder, path, load, kRefusalMessages);
    if (loaded) ShowLoadedMatrix(context, host, *loaded);
    return loaded.has_value();
}

}  // namespace ordavex
