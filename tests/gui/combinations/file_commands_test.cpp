#include <gtest/gtest.h>

#include <QStringList>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "gui_harness.h"
#include "test_files.h"

namespace ordavex {
namespace {

using test::MainWindowFixture;
using test::ModalScript;

// The validation of every file content is tested in the core; here, one case per window reaction.

const QString kIncompatibleFile = QString::fromUtf8("Il file è incompatibile ..!");
const std::string kMatrix18 = "18 17 16 15 14 13\r\n1 2 3 4 5 6\r\n07 8 9 10 11 12\r\n7 1 2 3 4";
const QString kMatrix18Caption = "Garanzia di  6/10  con  8 estratti";

using test::Lines;

// Clicks a command and answers each message it shows with the given button.
QStringList RunCommand(MainWindowFixture& f, const char* button, const std::vector<int>& presses) {
    ModalScript script;
    for (int press : presses) script.PressMessageButton(press);
    f.Click(button);
    EXPECT_EQ(script.Pending(), 0u) << "fewer messages than expected";
    return script.texts;
}

QStringList Acknowledging(MainWindowFixture& f, const char* button, std::size_t messages) {
    return RunCommand(f, button, std::vector<int>(messages, 1));
}

struct Refused {
    const char* name;
    std::optional<std::string> bytes;  // none: no such file (system), or the dialog cancelled (matrix)
    QStringList messages;
};

TEST(LoadSystemCommand, RefusedFilesShowTheirMessagesAndChangeNothing) {
    const Refused cases[] = {
        {"201 lines", Lines(201, "1 2 3 4 5"), {"Ammesse max. 200 combinazioni ..!"}},
        {"70000", "70000 1 2 3 4", {"Overflow ..!", kIncompatibleFile}},
        {"missing", std::nullopt, {"File non trovato ..!", kIncompatibleFile}},
    };
    test::TempFolder folder;
    for (const auto& c : cases) {
        MainWindowFixture f;
        f.state.ReplaceSystem({"01 02 03 04 05", "06 07 08 09 10"});
        f.state.SystemsFolder = "earlier/";
        f.window->RefreshCounter();
        f.files.answers.push_back(c.bytes ? folder.Write("refused.txt", *c.bytes) : folder.File("gone.txt"));
        const auto openBefore = test::OpenFilesUnder(folder.Path());
        EXPECT_EQ(Acknowledging(f, "cmdOpenFile", static_cast<std::size_t>(c.messages.size())), c.messages) << c.name;
        EXPECT_EQ(f.state.SystemCombinations, (LineList{"01 02 03 04 05", "06 07 08 09 10"})) << c.name;
        EXPECT_EQ(f.state.SystemCount, 2) << c.name;
        EXPECT_EQ(f.state.SystemsFolder, "earlier/") << c.name;
        EXPECT_EQ(f.LabelText("lblCatturate"), "2") << c.name;
        EXPECT_EQ(test::OpenFilesUnder(folder.Path()), openBefore) << c.name;
    }
}

TEST(LoadSystemCommand, LoadsTheLinesAsWrittenAndRemembersThePath) {
    test::TempFolder folder;
    MainWindowFixture f;
    const auto startFolder = f.state.SystemsFolder;
    f.state.ReplaceSystem({"old"});
    EXPECT_TRUE(Acknowledging(f, "cmdOpenFile", 0).isEmpty()) << "cancel";
    EXPECT_EQ(f.state.SystemCombinations, LineList{"old"});
    EXPECT_EQ(f.state.SystemsFolder, startFolder);

    const auto path = folder.Write("mio sistema.txt", "7 1 3 2 5\r\n\r\n01\t02.03:04  05\n1 2 3 4 5 6 7 8 9 10");
    f.files.answers.push_back(path);
    EXPECT_TRUE(Acknowledging(f, "cmdOpenFile", 0).isEmpty());
    EXPECT_EQ(f.state.SystemCombinations, (LineList{"7 1 3 2 5", "01 02 03 04 05", "1 2 3 4 5 6 7 8 9 10"}));
    EXPECT_EQ(f.state.SystemCount, 3);
    EXPECT_EQ(f.state.SystemsFolder, path);
    EXPECT_EQ(f.LabelText("lblCatturate"), "3");
    ASSERT_EQ(f.files.requests.size(), 2u);
    EXPECT_EQ(f.files.requests[1].filterName, "Sistemi");
    EXPECT_EQ(f.files.requests[1].initialLocation, startFolder);
    EXPECT_TRUE(Acknowledging(f, "cmdOpenFile", 0).isEmpty()) << "cancel";
    EXPECT_EQ(f.files.requests[2].initialLocation, path) << "the next dialog starts at the file loaded";
}

// Numbers, combinations, length, fixed numbers and description of the matrix panel.
QStringList PanelOf(const MainWindowFixture& f) {
    QStringList texts;
    for (const char* label : {"lblNumeri", "lblCombinazioni", "lblLunghezza", "lblFisse", "lblDesc"}) {
        texts << f.LabelText(label);
    }
    return texts;
}

TEST(LoadMatrixCommand, ShowsTheMatrixAndClearsTheForecast) {
    test::TempFolder folder;
    MainWindowFixture f;
    f.state.ReplaceSystem({"1 2 3 4 5"});
    f.state.ForecastStates[7] = kForecastFixed;
    f.state.ForecastStates[45] = kForecastSelected;
    f.state.RecountForecast();
    const auto path = folder.Write("matrix10_08_v6.txt", kMatrix18);
    f.files.answers.push_back(path);
    EXPECT_TRUE(Acknowledging(f, "cmdOpenMatrice", 0).isEmpty());
    EXPECT_EQ(PanelOf(f), (QStringList{"18", "4", "5", "NO", kMatrix18Caption}));
    EXPECT_EQ(f.state.MatrixName, "MATRIX10_08_V6");
    EXPECT_EQ(f.state.MatricesFolder, path);
    EXPECT_EQ(f.state.ForecastCount, 0);
    EXPECT_EQ(f.state.ForecastStates[7], kForecastOff);
    EXPECT_EQ(f.state.ForecastStates[45], kForecastOff);
    EXPECT_EQ(f.state.SystemCombinations, LineList{"1 2 3 4 5"}) << "the system in memory stays";
    ASSERT_EQ(f.files.requests.size(), 1u);
    EXPECT_EQ(f.files.requests[0].filterName, "Matrici");

    f.files.answers.push_back(folder.Write("MATRIX06_10_V5_F2.TXT", "1 2 3 4 5 6\r\n1 2 3 4 5 6 7"));
    EXPECT_TRUE(Acknowledging(f, "cmdOpenMatrice", 0).isEmpty());
    EXPECT_EQ(PanelOf(f), (QStringList{"7", "2", "7", "2", "Garanzia di  5/6  con  10 estratti"}));
    EXPECT_EQ(f.files.requests[1].initialLocation, path);
}

TEST(LoadMatrixCommand, RefusedFilesAndCancelKeepTheLoadedMatrix) {
    const Refused cases[] = {
        {"1..17 and 19", "1 2 3 4 5 6 7 8 9 10\r\n11 12 13 14 15 16 17 19", {"Matrice non consecutiva ..!"}},
        {"91", "1 2 3 4 91", {"Il file contiene numeri 0\noppure superiori al 90 ..!", "Incompatibile ..!"}},
        {"cancel", std::nullopt, {}},
    };
    test::TempFolder folder;
    const auto loaded = folder.Write("MATRIX10_08_V6.TXT", kMatrix18);
    for (const auto& c : cases) {
        MainWindowFixture f;
        f.files.answers.push_back(loaded);
        Acknowledging(f, "cmdOpenMatrice", 0);
        f.state.ForecastStates[3] = kForecastSelected;
        f.state.RecountForecast();
        if (c.bytes) f.files.answers.push_back(folder.Write("MATRIX10_09_V5.TXT", *c.bytes));
        const auto openBefore = test::OpenFilesUnder(folder.Path());
        EXPECT_EQ(Acknowledging(f, "cmdOpenMatrice", static_cast<std::size_t>(c.messages.size())), c.messages)
            << c.name;
        EXPECT_EQ(PanelOf(f), (QStringList{"18", "4", "5", "NO", kMatrix18Caption})) << c.name;
        EXPECT_EQ(f.state.MatrixName, "MATRIX10_08_V6") << c.name;
        EXPECT_EQ(f.state.MatrixCount, 4) << c.name;
        EXPECT_EQ(f.state.MatricesFolder, loaded) << c.name;
        EXPECT_EQ(f.state.ForecastCount, 1) << c.name;
        EXPECT_EQ(f.state.ForecastStates[3], kForecastSelected) << c.name;
        EXPECT_EQ(test::OpenFilesUnder(folder.Path()), openBefore) << c.name;
    }
}

TEST(SaveSystemCommand, WithoutASystemOnlyTheMessageAndCancelWritesNothing) {
    MainWindowFixture f;
    EXPECT_EQ(Acknowledging(f, "cmdSalva", 1), QStringList{"Nessun Sistema in memoria ..!"});
    EXPECT_TRUE(f.files.requests.empty());

    f.state.ReplaceSystem({"1 2 3 4 5"});
    EXPECT_TRUE(Acknowledging(f, "cmdSalva", 0).isEmpty()) << "cancel";
    EXPECT_EQ(f.files.requests.size(), 1u);
}

TEST(SaveSystemCommand, AsksOnlyAboutAFileThatHoldsData) {
    const std::string saved = "01 02 03 04 05\r\n06 07 08 09 10";
    const struct {
        const char* name;
        std::optional<std::string> before;  // none: no file yet
        std::vector<int> presses;
        QStringList messages;
        std::string after;
    } cases[] = {
        {"new file", std::nullopt, {1}, {"Salvate 2 combinazioni ..!"}, saved},
        {"empty file", "", {1}, {"Salvate 2 combinazioni ..!"}, saved},
        {"Appendi",
         "1 2 3 4 5",
         {1, 1},
         {"File esistente ..!", "Accodate 2 combinazioni ..!"},
         "1 2 3 4 5\r\n" + saved},
        {"Sovrascrivi", "1 2 3 4 5", {2, 1}, {"File esistente ..!", "Salvate 2 combinazioni ..!"}, saved},
        {"Rinuncia", "1 2 3 4 5", {3}, {"File esistente ..!"}, "1 2 3 4 5"},
    };
    for (const auto& c : cases) {
        test::TempFolder folder;
        MainWindowFixture f;
        f.state.ReplaceSystem({"01 02 03 04 05", "06 07 08 09 10"});
        const auto systemsFolder = f.state.SystemsFolder;
        const auto path = folder.File("SALVATO.TXT");
        if (c.before) folder.Write("SALVATO.TXT", *c.before);
        f.files.answers.push_back(path);
        const auto openBefore = test::OpenFilesUnder(folder.Path());
        EXPECT_EQ(RunCommand(f, "cmdSalva", c.presses), c.messages) << c.name;
        EXPECT_EQ(test::ReadBytes(path), c.after) << c.name;
        EXPECT_EQ(f.state.SystemCount, 2) << c.name;
        EXPECT_EQ(f.state.SystemsFolder, systemsFolder) << c.name;
        EXPECT_EQ(test::OpenFilesUnder(folder.Path()), openBefore) << c.name;
        ASSERT_EQ(f.files.requests.size(), 1u);
        EXPECT_EQ(f.files.requests[0].mode, FileDialogMode::Save);
    }
}

TEST(SaveSystemCommand, AFailureShowsItsErrorInsteadOfSuccess) {
    test::TempFolder folder;
    const auto plainFile = folder.Write("NOTAFOLDER", "x");
    MainWindowFixture f;
    f.state.ReplaceSystem({"1 2 3 4 5"});
    f.files.answers.push_back(plainFile + "/sistema.txt");
    const auto openBefore = test::OpenFilesUnder(folder.Path());
    EXPECT_EQ(Acknowledging(f, "cmdSalva", 1), QStringList{"Impossibile trovare il percorso ..!"});
    EXPECT_EQ(test::ReadBytes(plainFile), "x");
    EXPECT_EQ(test::OpenFilesUnder(folder.Path()), openBefore);
}

TEST(RemoveDuplicatesCommand, RemovesRepeatsAndFollowsTheCount) {
    MainWindowFixture f;
    f.state.ReplaceSystem({"C", "A", "B", "A", "A"});
    f.window->RefreshCounter();
    EXPECT_EQ(Acknowledging(f, "cmdTools", 1), QStringList{"Rimossi 2 duplicati ..!"});
    EXPECT_EQ(f.state.SystemCombinations, (LineList{"A", "B", "C"}));
    EXPECT_EQ(f.state.SystemCount, 3);
    EXPECT_EQ(f.LabelText("lblCatturate"), "3");
    EXPECT_EQ(Acknowledging(f, "cmdTools", 1), QStringList{"Nessun duplicato ..!"});
    EXPECT_EQ(f.state.SystemCount, 3);
}

}  // namespace
// The count the commands above are held to sees a file of the folder left open, and only those.
TEST(SaveSystemCommand, TheCountOfOpenFilesSeesAFileOfTheFolderLeftOpen) {
    test::TempFolder folder;
    test::TempFolder elsewhere;
    const auto before = test::OpenFilesUnder(folder.Path());
    if (!before) GTEST_SKIP() << "the system does not list a process's open files";
    std::ifstream other(elsewhere.Write("ALTRO.TXT", "x"));
    EXPECT_EQ(test::OpenFilesUnder(folder.Path()), before);
    {
        std::ifstream held(folder.Write("APERTO.TXT", "x"));
        EXPECT_EQ(test::OpenFilesUnder(folder.Path()), *before + 1);
    }
    EXPECT_EQ(test::OpenFilesUnder(folder.Path()), before);
}

}  // namespace ordavex
