#include <QWidget>

#include <string>
#include <utility>

#include "checking/draw_probability.h"
#include "combinations/file_commands.h"
#include "combinations/guarantee_tooltip.h"
#include "combinations/load_refusal.h"
#include "combinations/matrix_file.h"
#include "guarantee/guarantee_tooltip_text.h"

namespace ordavex {

namespace {

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

}  // namespace

namespace {

// What follows a successful load, whichever window chose the file.
void ShowLoadedMatrix(AppContext& context, FileCommandHost& host, LoadedMatrix& matrix) {
    AppState& state = context.state;
    const std::string path = state.MatricesFolder;  // the loaded file, where the next dialog starts
    const MatrixPanel panel = PanelOf(matrix);
    const NameFields fields = matrix.fields;
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

}  // namespace

void LoadMatrixCommand(AppContext& context, FileCommandHost& host) {
    AppState& state = context.state;
    const std::string userMatrices = UserMatricesFolder(context.folders);
    const auto request = [&userMatrices](const std::string& start) { return OpenMatrixRequest(start, userMatrices); };
    auto loaded = ChooseAndLoad(context, host, state.MatricesFolder, request, LoadMatrixFile, kRefusalMessages);
    if (loaded) ShowLoadedMatrix(context, host, loaded->matrix);
}

bool LoadMatrixFromFile(AppContext& context, FileCommandHost& host, const std::string& path) {
    auto loaded = LoadChosenFile(context, host, context.state.MatricesFolder, path, LoadMatrixFile, kRefusalMessages);
    if (loaded) ShowLoadedMatrix(context, host, loaded->matrix);
    return loaded.has_value();
}

}  // namespace ordavex
