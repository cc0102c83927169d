#include <gtest/gtest.h>

#include <filesystem>

#include "app/app_state.h"
#include "app/program_folders.h"
#include "test_files.h"

namespace ordavex {
namespace {

namespace fs = std::filesystem;

struct Layout {
    test::TempFolder root;
    FolderPlaces places;
    Layout() {
        const std::string base = root.Path().string();
        places = {base + "/bin", base + "/share/ordavex", base + "/home/Documenti/Ordavex"};
        fs::create_directories(places.applicationFolder);
    }
};

TEST(ProgramFolders, SharedBesideTheProgramKeepsEveryFolderThere) {
    Layout layout;
    fs::create_directories(layout.places.applicationFolder + "/Shared");
    AppState state;
    state.SetStartFolders(layout.places);
    EXPECT_EQ(state.SystemsFolder, layout.places.applicationFolder + "/Shared/Costruzioni/");
    EXPECT_EQ(state.MatricesFolder, layout.places.applicationFolder + "/Shared/SuperMatrici/");
    EXPECT_EQ(state.ArchivesFolder, layout.places.applicationFolder + "/Shared/Estrazioni/");
    // A portable copy is used as it stands: nothing is made, not even under the user's documents.
    EXPECT_EQ(CreateUserFolders(layout.places), 0);
    EXPECT_FALSE(fs::exists(layout.places.applicationFolder + "/Shared/Costruzioni"));
    EXPECT_FALSE(fs::exists(layout.places.userFolder));
}

TEST(ProgramFolders, InstalledReadsShippedMatricesAndKeepsSystemsInTheUsersFolder) {
    Layout layout;
    AppState state;
    state.SetStartFolders(layout.places);
    EXPECT_EQ(state.SystemsFolder, layout.places.userFolder + "/Costruzioni/");
    EXPECT_EQ(state.MatricesFolder, layout.places.shippedFolder + "/SuperMatrici/");
    EXPECT_EQ(state.ArchivesFolder, layout.places.shippedFolder + "/Estrazioni/");
    EXPECT_EQ(CreateUserFolders(layout.places), 0);
    EXPECT_TRUE(fs::is_directory(layout.places.userFolder + "/Costruzioni"));
    EXPECT_FALSE(fs::exists(layout.places.shippedFolder));
    // The second start finds the folder made by the first.
    EXPECT_EQ(CreateUserFolders(layout.places), 0);
}

TEST(ProgramFolders, AUserFolderThatCannotBeMadeIsAnErrorNumber) {
    Layout layout;
    const std::string blocker = layout.root.Write("documents", "a file, not a folder");
    layout.places.userFolder = blocker + "/Ordavex";
    EXPECT_NE(CreateUserFolders(layout.places), 0);
}

}  // namespace
}  // namespace ordavex
