#include "forecast_selection.h"

namespace ordavex {

std::int16_t NextForecastState(std::int16_t state) {
    const int next = state + 1;
    return static_cast<std::int16_t>(next > kForecastFixed ? kForecastOff : next);
}

void CycleForecastNumber(AppState& state, int number) {
    if (number < kLowestNumber || number > kHighestNumber) return;
    auto& entry = state.ForecastStates[static_cast<std::size_t>(number)];
    entry = NextForecastState(entry);
    state.RecountForecast();
}

void SetAllForecastNumbers(AppState& state, bool select) {
    for (int number = kLowestNumber; number <= kHighestNumber; ++number) {
        state.ForecastStates[static_cast<std::size_t>(number)] = select ? kForecastSelected : kForecastOff;
    }
    state.RecountForecast();
}

bool InsertSelectsAll(const AppState& state) { return state.MatrixNumbers == kSelectAllMatrixNumbers; }

int NumbersStillToSelect(const AppState& state) { return state.MatrixNumbers - state.ForecastCount; }

std::string ForecastHelpText(int matrixNumbers) {
    return std::string("FUNZIONI:||") + "1) - In base alla Matrice scelta, puoi selezionare " +
           std::to_string(matrixNumbers) + " numeri.|" +
           "2) - Sono possibili 3 tipi di selezione: 0, 1 e 2, per distinguere i numeri|" +
           "      in OFF, selezionati e usati come Fisse, Basi o Prioritari.|" +
           "3) - Cliccando più volte sul numero scelto, cambierà il colore del bottone:.|" +
           "      AZZURRO = selezionato, ORO = Fissa, Base, ecc, GRIGIO = deselezione.||" +
           "4) - Il tasto CANC o DELETE, pulisce il tastierino.|" +
           "5) - Cliccare SVILUPPA SISTEMA: lo sviluppo sarà istantaneo.|" +
           "6) - Tornare al Menu Principale per le successive operazioni.|";
}

}  // namespace ordavex
