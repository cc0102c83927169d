#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialogs/file_dialog_request.h"
#include "test_files.h"

namespace ordavex {
namespace {

TEST(FileDialogRequest, TheMatrixDialogStartsAtTheShippedMatricesAndOffersThePlayersOwn) {
    const auto matrix =
        OpenMatrixRequest("/opt/share/ordavex/SuperMatrici/", "/home/u/Documenti/Ordavex/SuperMatrici/");
    EXPECT_EQ(matrix.mode, FileDialogMode::Open);
    EXPECT_EQ(matrix.title, "Open");
    EXPECT_EQ(matrix.filterName, "Matrici");
    EXPECT_EQ(matrix.pattern, "*.txt");
    EXPECT_EQ(matrix.defaultExtension, "txt");
    EXPECT_EQ(matrix.initialLocation, "/opt/share/ordavex/SuperMatrici/");
    EXPECT_EQ(matrix.sidebarFolders, std::vector<std::string>{"/home/u/Documenti/Ordavex/SuperMatrici/"});
    // With no folder of the player's known, the side bar keeps only its usual places.
    EXPECT_TRUE(OpenMatrixRequest("/x/SuperMatrici/", "").sidebarFolders.empty());
}

TEST(FileDialogRequest, OtherDialogsAddNothingToTheSideBar) {
    for (const auto& request : {OpenSystemRequest("/s/"), SaveSystemRequest("/s/"), OpenArchiveRequest("/a/")}) {
        EXPECT_TRUE(request.sidebarFolders.empty()) << request.filterName;
    }
}

TEST(FileDialogRequest, ExportsPdfAndImagesAreSavedFromTheSystemsFolderUnderTheirOwnExtension) {
    const struct {
        FileDialogRequest request;
        const char* title;
        const char* filterName;
        const char* pattern;
        const char* extension;
    } cases[] = {{ExportCsvRequest("/s/"), "Esporta", "Foglio di calcolo", "*.csv", "csv"},
                 {ExportTextRequest("/s/"), "Esporta", "Sistemi", "*.txt", "txt"},
                 {SavePdfRequest("/s/"), "PDF", "Documenti PDF", "*.pdf", "pdf"},
                 {SaveImageRequest("/s/"), "Salva immagine", "Immagini PNG", "*.png", "png"}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.request.mode, FileDialogMode::Save) << c.filterName;
        EXPECT_EQ(c.request.title, c.title);
        EXPECT_EQ(c.request.initialLocation, "/s/");
        EXPECT_EQ(c.request.filterName, c.filterName);
        EXPECT_EQ(c.request.pattern, c.pattern);
        EXPECT_EQ(c.request.defaultExtension, c.extension);
    }
}

TEST(SplitStartLocation, FolderOrFilePath) {
    test::TempFolder folder;
    const auto existing = folder.Path().string();
    EXPECT_EQ(SplitStartLocation(existing).folder, existing);
    EXPECT_EQ(SplitStartLocation(existing).fileName, "");
    EXPECT_EQ(SplitStartLocation("/x/Shared/Costruzioni/").fileName, "");

    const auto file = SplitStartLocation(existing + "/SISTEMA 1.TXT");
    EXPECT_EQ(file.folder, existing + "/");
    EXPECT_EQ(file.fileName, "SISTEMA 1.TXT");

    const auto windows = SplitStartLocation("C:\\Giochi\\Costruzioni\\A.TXT");
    EXPECT_EQ(windows.folder, "C:\\Giochi\\Costruzioni\\");
    EXPECT_EQ(windows.fileName, "A.TXT");

    EXPECT_EQ(SplitStartLocation("").folder, "");
    EXPECT_EQ(SplitStartLocation("SOLO.TXT").fileName, "SOLO.TXT");
}

TEST(WithDefaultExtension, AddsOnlyWhenTheNameHasNone) {
    EXPECT_EQ(WithDefaultExtension("/d/nuovo", "txt"), "/d/nuovo.txt");
    EXPECT_EQ(WithDefaultExtension("/d/old.txt", "txt"), "/d/old.txt");
    EXPECT_EQ(WithDefaultExtension("/d/dati.csv", "txt"), "/d/dati.csv");
    EXPECT_EQ(WithDefaultExtension("/cartella.v2/nuovo", "txt"), "/cartella.v2/nuovo.txt");
    EXPECT_EQ(WithDefaultExtension("C:\\cartella.v2\\nuovo", "txt"), "C:\\cartella.v2\\nuovo.txt");
    EXPECT_EQ(WithDefaultExtension("/d/con spazi", "txt"), "/d/con spazi.txt");
    EXPECT_EQ(WithDefaultExtension("", "txt"), "");
}

}  // namespace
}  // namespace ordavex
