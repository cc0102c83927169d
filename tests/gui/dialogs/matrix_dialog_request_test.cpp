#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui_harness.h"

namespace ordavex {
namespace {

// Opens the matrix dialog of the main window and cancels it; returns what the dialog was asked.
FileDialogRequest MatrixDialogRequest(test::MainWindowFixture& f) {
    f.files.answers.push_back("");
    f.Click("cmdOpenMatrice");
    EXPECT_EQ(f.files.requests.size(), 1u);
    return f.files.requests.empty() ? FileDialogRequest{} : f.files.requests.back();
}

TEST(MatrixDialogRequest, InstalledStartsAmongTheShippedMatricesAndOffersThePlayersOwn) {
    test::MainWindowFixture f(false);
    const auto request = MatrixDialogRequest(f);
    EXPECT_EQ(request.filterName, "Matrici");
    EXPECT_EQ(request.initialLocation, f.context.folders.shippedFolder + "/SuperMatrici/");
    EXPECT_EQ(request.sidebarFolders, std::vector<std::string>{f.context.folders.userFolder + "/SuperMatrici/"});
}

TEST(MatrixDialogRequest, PortableOffersTheMatricesFolderBesideTheProgram) {
    test::MainWindowFixture f(true);
    const auto request = MatrixDialogRequest(f);
    const std::string shared = f.context.folders.applicationFolder + "/Shared/SuperMatrici/";
    EXPECT_EQ(request.initialLocation, shared);
    EXPECT_EQ(request.sidebarFolders, std::vector<std::string>{shared});
}

}  // namespace
}  // namespace ordavex
