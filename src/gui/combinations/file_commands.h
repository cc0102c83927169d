#pragma once

#include <string>

#include "combinations/file_command_host.h"
#include "dialogs/app_context.h"

namespace ordavex {

// The file commands of the main window, run from a FileCommandHost. Each leaves the state and the
// files as they were when it stops on a cancel, a refusal or a failure; failures reach the user
// as messages.
void LoadSystemCommand(AppContext& context, FileCommandHost& host);        // "Apri File"
void LoadMatrixCommand(AppContext& context, FileCommandHost& host);        // "Matrice"
void SaveSystemCommand(AppContext& context, FileCommandHost& host);        // "Salva"
void RemoveDuplicatesCommand(AppContext& context, FileCommandHost& host);  // "No Duplicati"
// Loads a matrix file chosen elsewhere exactly as "Matrice" loads the one chosen in its dialog;
// true when it loaded.
bool LoadMatrixFromFile(AppContext& context, FileCommandHost& host, const std::string& path);

}  // namespace ordavex
