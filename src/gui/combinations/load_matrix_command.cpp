#include <QWidget>

#include <optional>
#include <string>
#include <utility>

#include "checking/draw_probability.h"
#include "combinations/file_commands.h"
#include "combinations/guarantee_tooltip.h"
#include "combinations/load_refusal.h"
#include "combinations/matrix_file.h"
#include "dialogs/message_dialog.h"
#include "dialogs/report_error.h"
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

std::optional<LoadRefusal> RefusalOf(const MatrixLoadResult& result) {
    switch (result.outcome) {
        case MatrixLoadOutcome::Rejected:
            return LoadRefusal{result.error, kIncompatible};
        case MatrixLoadOutcome::TooManyNumbers:
            return LoadRefusal{0, kTooManyNumbers};
        case MatrixLoadOutcome::NotConsecutive:
            return LoadRefusal{0, kNotConsecutive};
        case MatrixLoadOutcome::TooManyCombinations:
            return LoadRefusal{0, kTooManyCombinations.c_str()};
        case MatrixLoadOutcome::Loaded:
            return std::nullopt;
        case MatrixLoadOutcome::Failed:
            break;
    }
    return LoadRefusal{result.error, nullptr};
}

}  // namespace

void LoadMatrixCommand(AppContext& context, FileCommandHost& host) {
    AppState& state = context.state;
    auto chosen = ChooseAndLoad(
        context, host, OpenMatrixRequest(state.MatricesFolder),
        [&state](const std::string& path) { return LoadMatrixFile(state.Files, path); }, RefusalOf);
    if (!chosen) return;
    const std::string& path = chosen->path;
    LoadedMatrix& matrix = chosen->loaded.matrix;
    const MatrixPanel panel = PanelOf(matrix);
    const NameFields fields = matrix.fields;
    state.MatricesFolder = path;
    state.ReplaceMatrix(std::move(matrix.name), std::move(matrix.lines), matrix.numbers);
    host.ShowMatrixPanel(panel);
    // The verdict, then, on a line of its own, how likely the name's condition (p of the N numbers
    // drawn) is in one draw.
    const std::string chance = ClaimProbabilityText(state.MatrixNumbers, fields);
    QWidget& window = host.DialogParent();
    GuaranteeToolTipCheck::Of(window).Start(path, state.MatrixCombinations.size(), state.MatrixNumbers, fields,
                                            [&host, chance](GuaranteeVerdict verdict) {
                                                if (!chance.empty()) verdict.text += "\n" + chance;
                                                host.ShowGuaranteeCheck(verdict);
                                            });
}

}  // namespace ordavex
