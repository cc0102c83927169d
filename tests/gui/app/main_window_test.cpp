#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "app/error_number.h"
#include "gui_harness.h"
#include "widgets/ui_style.h"

namespace ordavex {
namespace {

using test::MainWindowFixture;
using test::ModalScript;

TEST(MainWindow, StartState) {
    MainWindowFixture f;
    EXPECT_EQ(f.window->objectName(), "frmAmain");
    EXPECT_EQ(f.window->windowTitle(), QString::fromUtf8("Ordavex® - by Quarnelo"));
    EXPECT_EQ(f.window->size(), QSize(Px(10995), Px(5940)));
    EXPECT_EQ(f.LabelText("lblDesc"), "Nessuna Matrice selezionata");
    for (const char* name : {"lblNumeri", "lblCombinazioni", "lblLunghezza", "lblFisse", "lblCatturate"}) {
        EXPECT_EQ(f.LabelText(name), "0") << name;
    }
    const auto application = f.context.folders.applicationFolder;
    EXPECT_EQ(f.state.SystemsFolder, application + "/Shared/Costruzioni/");
    EXPECT_EQ(f.state.MatricesFolder, application + "/Shared/SuperMatrici/");
}

TEST(MainWindow, PartsStandWhereTheDesignPutsThem) {
    MainWindowFixture f;
    test::ExpectDesignPlaces(f.window.get(),
                             {
                                 {"Frame4", 150, 180, 10695, 1665},         {"cmdOpenFile", 330, 270, 1400, 1200},
                                 {"cmdOpenMatrice", 1770, 270, 1400, 1200}, {"cmdAdattaMatrice", 3210, 270, 1400, 1200},
                                 {"cmdVisualizza", 4650, 270, 1400, 1200},  {"cmdSpoglio", 6090, 270, 1400, 1200},
                                 {"cmdSalva", 7530, 270, 1400, 1200},       {"cmdTools", 8970, 270, 1400, 1200},
                                 {"Frame2", 150, 1860, 10695, 2565},        {"Image2", 1560, 600, 5250, 1350},
                                 {"Frame3", 7470, 270, 3045, 2025},         {"Label1(0)", 180, 450, 1695, 195},
                                 {"lblNumeri", 2040, 360, 780, 315},        {"Label1(2)", 180, 840, 1695, 195},
                                 {"lblCombinazioni", 2040, 750, 780, 315},  {"Label1(3)", 840, 1200, 1035, 195},
                                 {"lblLunghezza", 2040, 1140, 780, 315},    {"Label1(4)", 810, 1590, 1065, 195},
                                 {"lblFisse", 2040, 1530, 780, 315},        {"Frame1(1)", 150, 4440, 10695, 1335},
                                 {"Frame5", 300, 270, 4185, 855},           {"Label1(1)", 120, 420, 2775, 195},
                                 {"lblCatturate", 3120, 360, 780, 315},     {"Frame6", 4590, 270, 4545, 855},
                                 {"lblDesc", 270, 390, 4035, 345},          {"cmdAggiornamenti", 9330, 210, 1155, 1005},
                             });
}

TEST(MainWindow, CommandButtonsStandInOrderWithTheirTexts) {
    MainWindowFixture f;
    struct Row {
        const char* name;
        const char* caption;
        const char* toolTip;
    };
    const Row rows[] = {
        {"cmdOpenFile", "Apri File", "Carica File/Sistema"},
        {"cmdOpenMatrice", "Matrice", "Carica Matrice"},
        {"cmdAdattaMatrice", "Crea Sistema", "Adatta Matrice al Pronostico"},
        {"cmdVisualizza", "Visualizza", "Visualizza Sviluppo"},
        {"cmdSpoglio", "Spoglio", "Verifica Vincite"},
        {"cmdSalva", "Salva", "Salva Sistema"},
        {"cmdTools", "No Duplicati", "Elimina combinazioni ripetute"},
    };
    QWidget* previous = nullptr;
    for (const auto& row : rows) {
        auto* button = f.window->findChild<QToolButton*>(row.name);
        ASSERT_NE(button, nullptr) << row.name;
        EXPECT_EQ(button->text(), row.caption);
        EXPECT_EQ(button->toolTip(), row.toolTip);
        EXPECT_FALSE(button->icon().isNull()) << row.name;
        if (previous != nullptr) {
            EXPECT_EQ(previous->nextInFocusChain(), button) << row.name;
        }
        previous = button;
    }
    auto* update = f.window->findChild<QToolButton*>("cmdAggiornamenti");
    ASSERT_NE(update, nullptr);
    EXPECT_EQ(update->text(), "");
    EXPECT_EQ(update->toolTip(), "Scarica Aggiornamenti");
    EXPECT_FALSE(update->icon().isNull());
    auto* panel = f.window->findChild<QGroupBox*>("Frame3");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->title(), "Matrice Selezionata");
    auto* picture = f.window->findChild<QLabel*>("Image2");
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(picture->pixmap().isNull());
}

TEST(MainWindow, ButtonsAnswerTheirPreconditionsOnceTheClickHasReturned) {
    MainWindowFixture f;
    ModalScript script;
    struct Row {
        const char* button;
        const char* message;
    };
    const Row rows[] = {
        {"cmdAdattaMatrice", "Caricare una Matrice ..!"}, {"cmdVisualizza", "Nessun Sistema in memoria ..!"},
        {"cmdSpoglio", "Nessun Sistema in memoria ..!"},  {"cmdTools", "Nessun Sistema in memoria ..!"},
        {"cmdSalva", "Nessun Sistema in memoria ..!"},
    };
    for (const Row& row : rows) {
        script.AcknowledgeMessage();
        const auto seen = script.texts.size();
        QTest::mouseClick(f.window->findChild<QAbstractButton*>(row.button), Qt::LeftButton);
        EXPECT_EQ(script.texts.size(), seen) << row.button << " opened its window inside the click";
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        ASSERT_EQ(script.texts.size(), seen + 1) << row.button;
        EXPECT_EQ(script.texts.last(), row.message) << row.button;
    }
    for (const char* button : {"cmdOpenFile", "cmdOpenMatrice"}) {
        const auto asked = f.files.requests.size();
        QTest::mouseClick(f.window->findChild<QAbstractButton*>(button), Qt::LeftButton);
        EXPECT_EQ(f.files.requests.size(), asked) << button << " opened its dialog inside the click";
        QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        EXPECT_EQ(f.files.requests.size(), asked + 1) << button;
    }
    EXPECT_EQ(f.state.SystemCount, 0);
}

TEST(MainWindow, AUsersFolderThatCannotBeMadeIsToldAtStart) {
    test::TempFolder root;
    AppState state;
    test::FakeFileChooser files;
    test::FakeUrlOpener urls;
    test::ScriptedPrintDialogs prints;
    FolderPlaces places = test::ScratchFolderPlaces(root, false);
    places.userFolder = root.Write("Documenti", "a file where the folder should be") + "/Ordavex";
    AppContext context{state, files, urls, prints, places};
    ModalScript script;
    script.AcknowledgeMessage();
    MainWindow window(context);
    window.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !script.texts.isEmpty(); }, 3000));
    EXPECT_EQ(script.texts.value(0).toStdString(), ErrorMessage(kErrPathNotFound));
    window.hide();
}

TEST(MainWindow, EveryWindowShowsTheProgramIcon) {
    MainWindowFixture f;
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_EQ(f.window->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
}

TEST(MainWindow, ExitQuestionNoKeepsRunningSiCloses) {
    MainWindowFixture f;
    f.state.ReplaceSystem({"01 02 03 04 05"});
    {
        ModalScript script;
        script.PressMessageButton(1);
        EXPECT_FALSE(f.window->close());
        EXPECT_EQ(script.texts, QStringList{"Confermi uscita dal programma?"});
        EXPECT_TRUE(f.window->isVisible());
        EXPECT_EQ(f.state.SystemCount, 1) << "the state stays";
    }
    {
        ModalScript script;
        script.Then([](QWidget* dialog) {
            auto* no = dialog->findChild<QAbstractButton*>("cmdPulsante(1)");
            auto* yes = dialog->findChild<QAbstractButton*>("cmdPulsante(2)");
            EXPECT_EQ(no->text(), "NO");
            EXPECT_EQ(yes->text(), "SI");
            test::PressButtonOf(dialog, 2);
        });
        EXPECT_TRUE(f.window->close());
        EXPECT_FALSE(f.window->isVisible());
    }
}

}  // namespace
}  // namespace ordavex
