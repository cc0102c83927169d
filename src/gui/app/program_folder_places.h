#pragma once

#include "app/program_folders.h"

namespace ordavex {

// The places of this program's folders: the folder of its executable, the data folder it was
// installed with, and "Ordavex" under the user's documents folder.
FolderPlaces ProgramFolderPlaces();

}  // namespace ordavex
