#pragma once

#include <string>

namespace ordavex {

// Where the program's folders can be. A program that carries "Shared/" beside its executable (the
// build tree, a portable copy) keeps every folder there. An installed program reads what it ships
// from its read-only data folder and keeps the user's own files under the user's documents.
struct FolderPlaces {
    std::string applicationFolder;  // the folder holding the executable
    std::string shippedFolder;      // installed: <prefix>/share/ordavex
    std::string userFolder;         // installed: <documents>/Ordavex
};

// Where an installed program keeps a folder: among the files it ships, or among the user's own.
enum class InstalledPlace { Shipped, UserOwn };

struct ProgramFolder {
    const char* name;
    InstalledPlace installed;
};

// One line per folder of the program.
inline constexpr ProgramFolder kSystemsFolder{"Costruzioni", InstalledPlace::UserOwn};
inline constexpr ProgramFolder kMatricesFolder{"SuperMatrici", InstalledPlace::Shipped};
// The player's own matrices: the matrices folder itself in the portable layout, a folder of the
// same name among the user's own once installed, since the shipped one is read-only.
inline constexpr ProgramFolder kUserMatricesFolder{"SuperMatrici", InstalledPlace::UserOwn};
// The example archive of draws ships with the program; the user's own archives can be opened from anywhere.
inline constexpr ProgramFolder kArchivesFolder{"Estrazioni", InstalledPlace::Shipped};
inline constexpr ProgramFolder kProgramFolders[] = {kSystemsFolder, kMatricesFolder, kUserMatricesFolder,
                                                    kArchivesFolder};

// True when "Shared/" stands beside the executable.
bool IsPortableLayout(const FolderPlaces& places);

// The start location of a folder, ending in "/": "<application>/Shared/<name>/" in the portable
// layout, "<shipped or user folder>/<name>/" once installed.
std::string StartFolder(const FolderPlaces& places, const ProgramFolder& folder);

// The folder, ending in "/", where the player keeps matrices of his own.
std::string UserMatricesFolder(const FolderPlaces& places);

// An installed program makes the user's own folders on its first start; the portable layout is
// left as it is. Returns 0, or the error number of the folder that could not be made.
int CreateUserFolders(const FolderPlaces& places);

}  // namespace ordavex
