#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/error_number.h"
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
    // The start folders of the systems, the matrices and the archives.
    std::vector<std::string> StartFolders() const {
        AppState state;
        state.SetStartFolders(places);
        return {state.SystemsFolder, state.MatricesFolder, state.ArchivesFolder};
    }
};

TEST(ProgramFolders, SharedBesideTheProgramKeepsEveryFolderThere) {
    Layout layout;
    const std::string shared = layout.places.applicationFolder + "/Shared";
    fs::create_directories(shared);
    EXPECT_EQ(layout.StartFolders(),
              (std::vector<std::string>{shared + "/Costruzioni/", shared + "/SuperMatrici/", shared + "/Estrazioni/"}));
    // The player's own matrices sit among the others: the portable folder is his to write to.
    EXPECT_EQ(UserMatricesFolder(layout.places), shared + "/SuperMatrici/");
    // A portable copy is used as it stands: nothing is made, not even under the user's documents.
    EXPECT_EQ(CreateUserFolders(layout.places), 0);
    EXPECT_FALSE(fs::exists(layout.places.applicationFolder + "/Shared/Costruzioni"));
    EXPECT_FALSE(fs::exists(layout.places.applicationFolder + "/Shared/SuperMatrici"));
    EXPECT_FALSE(fs::exists(layout.places.userFolder));
}

TEST(ProgramFolders, InstalledReadsShippedMatricesAndKeepsSystemsInTheUsersFolder) {
    Layout layout;
    const std::string shipped = layout.places.shippedFolder;
    EXPECT_EQ(layout.StartFolders(), (std::vector<std::string>{layout.places.userFolder + "/Costruzioni/",
                                                               shipped + "/SuperMatrici/", shipped + "/Estrazioni/"}));
    // The shipped matrices stay where they are; the player's own go under his documents.
    EXPECT_EQ(UserMatricesFolder(layout.places), layout.places.userFolder + "/SuperMatrici/");
    EXPECT_EQ(CreateUserFolders(layout.places), 0);
    EXPECT_TRUE(fs::is_directory(layout.places.userFolder + "/Costruzioni"));
    EXPECT_TRUE(fs::is_directory(layout.places.userFolder + "/SuperMatrici"));
    EXPECT_FALSE(fs::exists(layout.places.shippedFolder));
    // The second start finds the folders made by the first.
    EXPECT_EQ(CreateUserFolders(layout.places), 0);
}

TEST(ProgramFolders, AUserFolderThatCannotBeMadeGivesItsErrorNumber) {
    {
        // The documents folder is a file: not a folder on the way.
        Layout layout;
        fs::create_directories(fs::path(layout.places.userFolder).parent_path());
        layout.root.Write("home/Documenti/Ordavex", "a file where the folder should be");
        EXPECT_EQ(CreateUserFolders(layout.places), kErrPathNotFound);
    }
    {
        // Only the matrices folder is taken by a file: the systems folder is made all the same.
        Layout layout;
        fs::create_directories(layout.places.userFolder);
        layout.root.Write("home/Documenti/Ordavex/SuperMatrici", "a file where the folder should be");
        EXPECT_EQ(CreateUserFolders(layout.places), kErrDeviceUnavailable);
        EXPECT_TRUE(fs::is_directory(layout.places.userFolder + "/Costruzioni"));
        EXPECT_TRUE(fs::is_regular_file(layout.places.userFolder + "/SuperMatrici"));
    }
}

}  // namespace
}  // namespace ordavex
