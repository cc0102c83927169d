#include <string>
#include <utility>

#include "app/main_window.h"
#include "dialogs/report_error.h"
#include "checking/draw_probability.h"
#include "combinations/file_commands.h"
#include "combinations/guarantee_tooltip.h"
#include "combinations/matrix_file.h"
#include "dialogs/message_dialog.h"
#include "guarantee/guarantee_tooltip_text.h"

namespace ordavex {

namespace {

constexpr const char* kIncompatible = "Incompatibile ..!";
constexpr const char* kTooManyNumbers = "Matrici di max. 90 numeri ..!";
constexpr const char* kNotConsecutive = "Matrice non consecutiva ..!";
const std::string kTooManyCombinations = "Ammesse max. " + std::to_string(kMatrixMaxCombinations) + " combinazioni ..!";

MatrixPanel PanelOf(const LoadedMatrix& matrix) {
    const MatrixPanelTexts texts = PanelTextsOf(matrix);
    return {QString::fromStdString(texts.numbers), QString::fromStdString(texts.combinations),
            QString::fromStdString(texts.length), QString::fromStdString(texts.fixed),
            QString::fromStdString(texts.description)};
}

}  // namespace

void LoadMatrixCommand(AppContext& context, MainWindow& window) {
    AppState& state = context.state;
    const std::string path = context.files.FileDialog(&window, OpenMatrixRequest(state.MatricesFolder));
    if (path.empty()) return;

    MatrixLoadResult result = LoadMatrixFile(state.Files, path);
    switch (result.outcome) {
        case MatrixLoadOutcome::Rejected:
            ReportError(state, &window, result.error);
            ShowMessage(state, &window, kIncompatible);
            return;
        case MatrixLoadOutcome::TooManyNumbers:
            ShowMessage(state, &window, kTooManyNumbers);
            return;
        case MatrixLoadOutcome::NotConsecutive:
            ShowMessage(state, &window, kNotConsecutive);
            return;
        case MatrixLoadOutcome::TooManyCombinations:
            ShowMessage(state, &window, kTooManyCombinations);
            return;
        case MatrixLoadOutcome::Failed:
            ReportError(state, &window, result.error);
            return;
        case MatrixLoadOutcome::Loaded:
            break;
    }
    LoadedMatrix& matrix = result.matrix;
    const MatrixPanel panel = PanelOf(matrix);
    const NameFields fields = matrix.fields;
    state.MatricesFolder = path;
    state.ReplaceMatrix(std::move(matrix.name), std::move(matrix.lines), matrix.numbers);
    window.ShowMatrixPanel(panel);
    // The verdict, then, on a line of its own, how likely the name's condition (p of the N numbers
    // drawn) is in one draw.
    const std::string chance = ClaimProbabilityText(state.MatrixNumbers, fields);
    GuaranteeToolTipCheck::Of(window).Start(path, state.MatrixCombinations.size(), state.MatrixNumbers, fields,
                                            [&window, chance](GuaranteeVerdict verdict) {
                                                if (!chance.empty()) verdict.text += "\n" + chance;
                                                window.ShowGuaranteeCheck(verdict);
                                            });
}

}  // namespace ordavex
