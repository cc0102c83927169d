#pragma once

#include "dialogs/app_context.h"

namespace ordavex {

class MainWindow;

// The file commands of the main window. Each leaves the state and the files as they were when
// it stops on a cancel, a refusal or a failure; failures reach the user as messages.
void LoadSystemCommand(AppContext& context, MainWindow& window);        // "Apri File"
void LoadMatrixCommand(AppContext& context, MainWindow& window);        // "Matrice"
void SaveSystemCommand(AppContext& context, MainWindow& window);        // "Salva"
void RemoveDuplicatesCommand(AppContext& context, MainWindow& window);  // "No Duplicati"

}  // namespace ordavex
