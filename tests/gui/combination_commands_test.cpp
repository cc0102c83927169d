#include <gtest/gtest.h>

#include <QLabel>
#include <QStringList>
#include <filesystem>
#include <string>
#include <vector>

#include "gui_harness.h"
#include "test_files.h"

namespace ordavex {
namespace {

using test::MainWindowFixture;
using test::ModalScript;

const QString kIncompatibleFile = QString::fromUtf8("Il file è incompatibile ..!");
const QString kBadLength = QString::fromUtf8("La lunghezza delle combinazioni\nnon è conforme al tipo di gioco ..!");
const QString kOutOfRange = "Il file contiene numeri 0\noppure superiori al 90 ..!";
const QString kMismatch = QString::fromUtf8("Incompatibilità ..!");
const QString kEmpty = QString::fromUtf8("Il file è vuoto ..!");

std::string Lines(int count, const std::string& line) {
    std::string text;
    for (int i = 0; i < count; ++i) text += line + "\r\n";
    return text;
}

// Clicks a command and answers each message it shows with the given button.
QStringList RunCommand(MainWindowFixture& f, const char* button, const std::vector<int>& presses) {
    ModalScript script;
    for (int press : presses) script.PressMessageButton(press);
    f.Click(button);
    EXPECT_TRUE(script.unexpected.isEmpty()) << script.unexpected.join(" / ").toStdString();
    EXPECT_EQ(script.Pending(), 0u) << "fewer messages than expected";
    return script.texts;
}

QStringList Acknowledging(MainWindowFixture& f, const char* button, std::size_t messages) {
    return RunCommand(f, button, std::vector<int>(messages, 1));
}

// --- "Apri File" ---

struct RefusedSystem {
    const char* name;
    std::string bytes;
    QStringList messages;
};

TEST(LoadSystemCommand, RefusedFilesShowTheirMessagesAndChangeNothing) {
    const RefusedSystem cases[] = {
        {"201 lines", Lines(201, "1 2 3 4 5"), {"Ammesse max. 200 combinazioni ..!"}},
        {"four numbers", "1 2 3 4", {kBadLength, kIncompatibleFile}},
        {"eleven numbers", "1 2 3 4 5 6 7 8 9 10 11", {kBadLength, kIncompatibleFile}},
        {"a zero", "0 1 2 3 4", {kOutOfRange, kIncompatibleFile}},
        {"91", "91 1 2 3 4", {kOutOfRange, kIncompatibleFile}},
        {"-3", "-3 1 2 3 4", {kOutOfRange, kIncompatibleFile}},
        {"70000", "70000 1 2 3 4", {"Overflow ..!", kIncompatibleFile}},
        {"letters", "a b c d e", {kMismatch, kIncompatibleFile}},
        {"three blanks", "1 2   3 4 5", {kMismatch, kIncompatibleFile}},
        {"empty", "", {kEmpty, kIncompatibleFile}},
        {"blank lines", "  \r\n \r\n", {kEmpty, kIncompatibleFile}},
        {"commas", "1,2,3,4,5", {kBadLength, kIncompatibleFile}},
    };
    test::TempFolder folder;
    for (const auto& c : cases) {
        MainWindowFixture f;
        f.state.ReplaceSystem({"01 02 03 04 05", "06 07 08 09 10"});
        f.state.SystemsFolder = "earlier/";
        f.window->RefreshCounter();
        f.files.answers.push_back(folder.Write("refused.txt", c.bytes));
        EXPECT_EQ(Acknowledging(f, "cmdOpenFile", static_cast<std::size_t>(c.messages.size())), c.messages) << c.name;
        EXPECT_EQ(f.state.SystemCombinations, (LineList{"01 02 03 04 05", "06 07 08 09 10"})) << c.name;
        EXPECT_EQ(f.state.SystemCount, 2) << c.name;
        EXPECT_EQ(f.state.SystemsFolder, "earlier/") << c.name;
        EXPECT_EQ(f.LabelText("lblCatturate"), "2") << c.name;
        EXPECT_EQ(f.state.Files.OpenCount(), 0u) << c.name;
    }
}

TEST(LoadSystemCommand, AMissingFileIsReportedThenCalledIncompatible) {
    test::TempFolder folder;
    MainWindowFixture f;
    f.files.answers.push_back(folder.File("gone.txt"));
    EXPECT_EQ(Acknowledging(f, "cmdOpenFile", 2), (QStringList{"File non trovato ..!", kIncompatibleFile}));
    EXPECT_EQ(f.state.SystemCount, 0);
}

TEST(LoadSystemCommand, LoadsTheLinesAsWrittenAndRemembersThePath) {
    test::TempFolder folder;
    MainWindowFixture f;
    const auto startFolder = f.state.SystemsFolder;
    f.state.ReplaceSystem({"old"});
    const auto path = folder.Write("mio sistema.txt", "7 1 3 2 5\r\n\r\n01\t02.03:04  05\n1 2 3 4 5 6 7 8 9 10");
    f.files.answers.push_back(path);
    EXPECT_TRUE(Acknowledging(f, "cmdOpenFile", 0).isEmpty());
    EXPECT_EQ(f.state.SystemCombinations, (LineList{"7 1 3 2 5", "01 02 03 04 05", "1 2 3 4 5 6 7 8 9 10"}));
    EXPECT_EQ(f.state.SystemCount, 3);
    EXPECT_EQ(f.state.SystemsFolder, path);
    EXPECT_EQ(f.LabelText("lblCatturate"), "3");
    ASSERT_EQ(f.files.requests.size(), 1u);
    EXPECT_EQ(f.files.requests[0].title, "Open");
    EXPECT_EQ(f.files.requests[0].filterName, "Sistemi");
    EXPECT_EQ(f.files.requests[0].initialLocation, startFolder);

    f.files.answers.push_back(folder.Write("duecento.txt", Lines(200, "1 2 3 4 5\r\n")));
    EXPECT_TRUE(Acknowledging(f, "cmdOpenFile", 0).isEmpty());
    EXPECT_EQ(f.LabelText("lblCatturate"), "200");
    EXPECT_EQ(f.files.requests[1].initialLocation, path) << "the next dialog starts at the file loaded";
}

TEST(LoadSystemCommand, CancelChangesNothing) {
    MainWindowFixture f;
    f.state.ReplaceSystem({"1 2 3 4 5"});
    const auto folder = f.state.SystemsFolder;
    EXPECT_TRUE(Acknowledging(f, "cmdOpenFile", 0).isEmpty());
    EXPECT_EQ(f.state.SystemCombinations, LineList{"1 2 3 4 5"});
    EXPECT_EQ(f.state.SystemsFolder, folder);
}

// --- "Matrice" ---

const std::string kMatrix18 = "18 17 16 15 14 13\r\n1 2 3 4 5 6\r\n07 8 9 10 11 12\r\n7 1 2 3 4";

struct PanelState {
    QString numbers, combinations, length, fixed, description;
};

PanelState PanelOf(const MainWindowFixture& f) {
    return {f.LabelText("lblNumeri"), f.LabelText("lblCombinazioni"), f.LabelText("lblLunghezza"),
            f.LabelText("lblFisse"), f.LabelText("lblDesc")};
}

void ExpectPanel(const MainWindowFixture& f, const PanelState& expected, const std::string& context) {
    const PanelState panel = PanelOf(f);
    EXPECT_EQ(panel.numbers, expected.numbers) << context;
    EXPECT_EQ(panel.combinations, expected.combinations) << context;
    EXPECT_EQ(panel.length, expected.length) << context;
    EXPECT_EQ(panel.fixed, expected.fixed) << context;
    EXPECT_EQ(panel.description, expected.description) << context;
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
    ExpectPanel(f, {"18", "4", "5", "NO", "Garanzia di  6/10  con  8 estratti"}, "first load");
    EXPECT_EQ(f.state.MatrixName, "MATRIX10_08_V6");
    EXPECT_EQ(f.state.MatrixCount, 4);
    EXPECT_EQ(f.state.MatrixNumbers, 18);
    EXPECT_EQ(f.state.MatrixCombinations[2], "07 8 9 10 11 12");
    EXPECT_EQ(f.state.MatricesFolder, path);
    EXPECT_EQ(f.state.ForecastCount, 0);
    EXPECT_EQ(f.state.ForecastStates[7], kForecastOff);
    EXPECT_EQ(f.state.ForecastStates[45], kForecastOff);
    EXPECT_EQ(f.state.SystemCombinations, LineList{"1 2 3 4 5"}) << "the system in memory stays";
    ASSERT_EQ(f.files.requests.size(), 1u);
    EXPECT_EQ(f.files.requests[0].filterName, "Matrici");

    f.files.answers.push_back(folder.Write("MATRIX06_10_V5_F2.TXT", "1 2 3 4 5 6\r\n1 2 3 4 5 6 7"));
    EXPECT_TRUE(Acknowledging(f, "cmdOpenMatrice", 0).isEmpty());
    ExpectPanel(f, {"7", "2", "7", "2", "Garanzia di  5/6  con  10 estratti"}, "fixed field shown");
    EXPECT_EQ(f.files.requests[1].initialLocation, path);

    f.files.answers.push_back(folder.Write("senza.txt", "1 2 3 4 5"));
    EXPECT_TRUE(Acknowledging(f, "cmdOpenMatrice", 0).isEmpty());
    ExpectPanel(f, {"5", "1", "5", "NO", "Nessuna garanzia indicata nel nome del file"}, "no guarantee in the name");
}

struct RefusedMatrix {
    const char* name;
    std::string bytes;
    QStringList messages;
};

TEST(LoadMatrixCommand, RefusedFilesKeepTheLoadedMatrix) {
    const RefusedMatrix cases[] = {
        {"1..17 and 19", "1 2 3 4 5 6 7 8 9 10\r\n11 12 13 14 15 16 17 19", {"Matrice non consecutiva ..!"}},
        {"2..19", "2 3 4 5 6 7 8 9 10 11\r\n12 13 14 15 16 17 18 19", {"Matrice non consecutiva ..!"}},
        {"commas", "1,2,3,4,5", {kBadLength, "Incompatibile ..!"}},
        {"91", "1 2 3 4 91", {kOutOfRange, "Incompatibile ..!"}},
        {"empty", "", {kEmpty, "Incompatibile ..!"}},
        {"letters", "1 2 3 4 x", {kMismatch, "Incompatibile ..!"}},
    };
    test::TempFolder folder;
    const auto loaded = folder.Write("MATRIX10_08_V6.TXT", kMatrix18);
    for (const auto& c : cases) {
        MainWindowFixture f;
        f.files.answers.push_back(loaded);
        Acknowledging(f, "cmdOpenMatrice", 0);
        f.state.ForecastStates[3] = kForecastSelected;
        f.state.RecountForecast();
        f.files.answers.push_back(folder.Write("MATRIX10_09_V5.TXT", c.bytes));
        EXPECT_EQ(Acknowledging(f, "cmdOpenMatrice", static_cast<std::size_t>(c.messages.size())), c.messages)
            << c.name;
        ExpectPanel(f, {"18", "4", "5", "NO", "Garanzia di  6/10  con  8 estratti"}, c.name);
        EXPECT_EQ(f.state.MatrixName, "MATRIX10_08_V6") << c.name;
        EXPECT_EQ(f.state.MatrixCount, 4) << c.name;
        EXPECT_EQ(f.state.MatricesFolder, loaded) << c.name;
        EXPECT_EQ(f.state.ForecastCount, 1) << c.name;
        EXPECT_EQ(f.state.ForecastStates[3], kForecastSelected) << c.name;
        EXPECT_EQ(f.state.Files.OpenCount(), 0u) << c.name;
    }
}

TEST(LoadMatrixCommand, CancelAfterALoadChangesNothing) {
    test::TempFolder folder;
    MainWindowFixture f;
    const auto path = folder.Write("MATRIX10_08_V6.TXT", kMatrix18);
    f.files.answers.push_back(path);
    Acknowledging(f, "cmdOpenMatrice", 0);
    f.state.ForecastStates[3] = kForecastFixed;
    f.state.RecountForecast();
    EXPECT_TRUE(Acknowledging(f, "cmdOpenMatrice", 0).isEmpty());
    EXPECT_EQ(f.state.ForecastCount, 1);
    EXPECT_EQ(f.state.MatricesFolder, path);
    ExpectPanel(f, {"18", "4", "5", "NO", "Garanzia di  6/10  con  8 estratti"}, "after cancel");
}

// --- "Salva" ---

TEST(SaveSystemCommand, WithoutASystemOnlyTheMessage) {
    MainWindowFixture f;
    EXPECT_EQ(Acknowledging(f, "cmdSalva", 1), QStringList{"Nessun Sistema in memoria ..!"});
    EXPECT_TRUE(f.files.requests.empty());
}

struct SaveCase {
    const char* name;
    std::string before;  // "-" for no file
    std::vector<int> presses;
    QStringList messages;
    std::string after;
};

TEST(SaveSystemCommand, AsksOnlyAboutAFileThatHoldsData) {
    const SaveCase cases[] = {
        {"new file", "-", {1}, {"Salvate 2 combinazioni ..!"}, "01 02 03 04 05\r\n06 07 08 09 10"},
        {"empty file", "", {1}, {"Salvate 2 combinazioni ..!"}, "01 02 03 04 05\r\n06 07 08 09 10"},
        {"Appendi", "1 2 3 4 5", {1, 1}, {"File esistente ..!", "Accodate 2 combinazioni ..!"},
         "1 2 3 4 5\r\n01 02 03 04 05\r\n06 07 08 09 10"},
        {"Sovrascrivi", "1 2 3 4 5", {2, 1}, {"File esistente ..!", "Salvate 2 combinazioni ..!"},
         "01 02 03 04 05\r\n06 07 08 09 10"},
        {"Rinuncia", "1 2 3 4 5", {3}, {"File esistente ..!"}, "1 2 3 4 5"},
    };
    for (const auto& c : cases) {
        test::TempFolder folder;
        MainWindowFixture f;
        f.state.ReplaceSystem({"01 02 03 04 05", "06 07 08 09 10"});
        const auto systemsFolder = f.state.SystemsFolder;
        const auto path = folder.File("SALVATO.TXT");
        if (c.before != "-") folder.Write("SALVATO.TXT", c.before);
        f.files.answers.push_back(path);
        EXPECT_EQ(RunCommand(f, "cmdSalva", c.presses), c.messages) << c.name;
        EXPECT_EQ(test::ReadBytes(path), c.after) << c.name;
        EXPECT_EQ(f.state.SystemCount, 2) << c.name;
        EXPECT_EQ(f.state.SystemsFolder, systemsFolder) << c.name;
        EXPECT_EQ(f.state.Files.OpenCount(), 0u) << c.name;
        ASSERT_EQ(f.files.requests.size(), 1u);
        EXPECT_EQ(f.files.requests[0].mode, FileDialogMode::Save);
        EXPECT_EQ(f.files.requests[0].title, "Save");
    }
}

TEST(SaveSystemCommand, OnlyTheFileNameGoesToCapitals) {
    test::TempFolder folder;
    std::filesystem::create_directory(folder.Path() / "miei sistemi");
    MainWindowFixture f;
    f.state.ReplaceSystem({"1 2 3 4 5"});
    f.files.answers.push_back(folder.File("miei sistemi/nuovo"));
    EXPECT_EQ(Acknowledging(f, "cmdSalva", 1), QStringList{"Salvate 1 combinazioni ..!"});
    EXPECT_EQ(test::ReadBytes(folder.File("miei sistemi/NUOVO.TXT")), "1 2 3 4 5");

    // The question concerns the file that will be written, the one in capitals.
    const auto small = folder.Write("miei sistemi/vecchio.txt", "6 7 8 9 10");
    f.files.answers.push_back(small);
    const auto written = folder.File("miei sistemi/VECCHIO.TXT");
    if (std::filesystem::equivalent(small, written)) GTEST_SKIP() << "this file system ignores case";
    EXPECT_EQ(Acknowledging(f, "cmdSalva", 1), QStringList{"Salvate 1 combinazioni ..!"});
    EXPECT_EQ(test::ReadBytes(written), "1 2 3 4 5");
    EXPECT_EQ(test::ReadBytes(small), "6 7 8 9 10");
}

TEST(SaveSystemCommand, AFailureShowsItsErrorInsteadOfSuccess) {
    test::TempFolder folder;
    const auto plainFile = folder.Write("NOTAFOLDER", "x");
    MainWindowFixture f;
    f.state.ReplaceSystem({"1 2 3 4 5"});
    f.files.answers.push_back(plainFile + "/sistema.txt");
    EXPECT_EQ(Acknowledging(f, "cmdSalva", 1), QStringList{"Impossibile trovare il percorso ..!"});
    EXPECT_EQ(test::ReadBytes(plainFile), "x");

    f.files.answers.push_back(folder.Path().string() + "/");
    const auto texts = Acknowledging(f, "cmdSalva", 1);
    ASSERT_EQ(texts.size(), 1);
    EXPECT_FALSE(texts[0].startsWith("Salvate")) << "a folder is no file to save into";
    EXPECT_EQ(f.state.Files.OpenCount(), 0u);
}

TEST(SaveSystemCommand, CancelWritesNothing) {
    test::TempFolder folder;
    MainWindowFixture f;
    f.state.ReplaceSystem({"1 2 3 4 5"});
    EXPECT_TRUE(Acknowledging(f, "cmdSalva", 0).isEmpty());
    EXPECT_EQ(f.files.requests.size(), 1u);
}

TEST(SaveSystemCommand, ASavedSystemLoadsBackUnchanged) {
    test::TempFolder folder;
    MainWindowFixture f;
    const LineList system{"01 02 03 04 05", "1 2 3 4 5 6 7 8 9 10", "90 89 88 87 86"};
    f.state.ReplaceSystem(system);
    f.files.answers.push_back(folder.File("GIRO.TXT"));
    Acknowledging(f, "cmdSalva", 1);
    f.state.ReplaceSystem({});
    f.files.answers.push_back(folder.File("GIRO.TXT"));
    EXPECT_TRUE(Acknowledging(f, "cmdOpenFile", 0).isEmpty());
    EXPECT_EQ(f.state.SystemCombinations, system);
}

// --- "No Duplicati" ---

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

TEST(RemoveDuplicatesCommand, WithoutASystemOnlyTheMessage) {
    MainWindowFixture f;
    EXPECT_EQ(Acknowledging(f, "cmdTools", 1), QStringList{"Nessun Sistema in memoria ..!"});
    EXPECT_EQ(f.state.SystemCount, 0);
}

}  // namespace
}  // namespace ordavex
