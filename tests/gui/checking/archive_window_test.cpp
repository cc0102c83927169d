#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>

#include "gui_harness.h"
#include "test_files.h"
#include "widgets/ui_style.h"

namespace ordavex {
namespace {

QPushButton* Button(QWidget* window, const char* name) { return window->findChild<QPushButton*>(name); }
void Click(QWidget* window, const char* name) { QTest::mouseClick(Button(window, name), Qt::LeftButton); }
QString Text(QWidget* window, const char* name) { return window->findChild<QLabel*>(name)->text(); }
QSpinBox* Spin(QWidget* window, const char* name) { return window->findChild<QSpinBox*>(name); }
void Close(QWidget* window) { qobject_cast<QDialog*>(window)->close(); }

using test::MarkedNumbers;
using test::SystemOverOneToTwenty;

// The record table as "score:draws:wins" for the scores with any draw, from 10 down to 0.
QStringList Record(QWidget* archive) {
    auto* table = archive->findChild<QTableWidget*>("tblRecord");
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, 1)->text().isEmpty() || table->item(row, 1)->text() == "0") continue;
        rows << table->item(row, 0)->text() + ":" + table->item(row, 1)->text() + ":" + table->item(row, 2)->text();
    }
    return rows;
}

QStringList ListLines(QWidget* archive) { return test::ListLines(archive, "lstEstrazioni"); }

std::string Numbers(int from, int to) {
    std::string text;
    for (int n = from; n <= to; ++n) text += " " + std::to_string(n);
    return text;
}

// Draw 1: 1..20; draw 2: 21..40; draw 3: 1..5 and 21..35.
const std::string kArchive = "# prova\r\n01/12/2026 1" + Numbers(1, 20) + "\r\nn.2" + Numbers(21, 40) +
                             "\r\n2026-12-07 3" + Numbers(1, 5) + Numbers(21, 35) + "\r\n";

// The draw check opened from the main window, and from it the archive window; the actions queued
// in between act on the archive window and on the messages it shows, in order.
struct ArchiveFixture {
    explicit ArchiveFixture(
        LineList system, const std::function<void(QWidget*)>& inDrawCheck = [](QWidget*) {}) {
        f.state.ReplaceSystem(std::move(system));
        f.files.answers.push_back(folder.Write("ARCHIVIO.TXT", kArchive));
        script.Then([inDrawCheck](QWidget* w) {
            inDrawCheck(w);
            Click(w, "cmdArchivio");
        });
    }

    // Runs what was queued, then `afterArchive` in the draw check before closing it.
    void Run(const std::function<void(QWidget*)>& afterArchive = [](QWidget*) {}) {
        script.Then([afterArchive](QWidget* w) {
            afterArchive(w);
            Close(w);
        });
        f.Click("cmdSpoglio");
        EXPECT_EQ(script.Pending(), 0u);
    }

    test::TempFolder folder;
    test::MainWindowFixture f;
    test::ModalScript script;
};

TEST(ArchiveWindow, LoadsAnArchiveAndPutsAChosenDrawOnTheKeypadInPlaceOfTheMarks) {
    ArchiveFixture a(SystemOverOneToTwenty(), [](QWidget* w) {
        QTest::mouseClick(w->findChild<QPushButton*>("cmdSpoglio(90)"), Qt::LeftButton);
    });
    a.script.Then([&a](QWidget* w) {
        EXPECT_EQ(w->objectName(), "frmArchivio");
        EXPECT_EQ(w->windowTitle(), ProductTitle() + " - Archivio estrazioni");
        EXPECT_EQ(Text(w, "lblArchivio"), "Nessun archivio caricato");
        Click(w, "cmdScegliArchivio");
        ASSERT_EQ(a.f.files.requests.size(), 1u);
        EXPECT_TRUE(a.f.files.requests[0].initialLocation.ends_with("/Shared/Estrazioni/"));
        EXPECT_EQ(a.f.files.requests[0].filterName, "Archivi estrazioni");
        EXPECT_EQ(Text(w, "lblArchivio"),
                  "ARCHIVIO.TXT: 3 estrazioni\nprima: 01/12/2026 n. 1\nultima: 07/12/2026 n. 3");
        EXPECT_EQ(Spin(w, "spnEstrazione")->value(), 3);
        EXPECT_EQ(Text(w, "lblEstrazione"),
                  "07/12/2026 n. 3: 01 02 03 04 05 21 22 23 24 25 26 27 28 29 30 31 32 33 34 35");
        Click(w, "cmdUsaEstrazione");
    });
    a.Run([](QWidget* w) {
        EXPECT_EQ(MarkedNumbers(w),
                  (QList<int>{1, 2, 3, 4, 5, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35}));
        EXPECT_EQ(w->findChild<QLabel*>("lblSelezionati")->text(), "20");
    });
    EXPECT_TRUE(a.f.state.ArchivesFolder.ends_with("ARCHIVIO.TXT"));
}

TEST(ArchiveWindow, RecordsTheSystemOverTheChosenDrawsWithTheGuaranteeCondition) {
    ArchiveFixture a(SystemOverOneToTwenty());
    a.f.state.ReplaceMatrix("MATRIX10_05_V3_N20", {"1 2 3 4 5 6 7 8 9 10"}, 20);
    a.f.files.answers.push_back(a.folder.Write("ROTTO.TXT", kArchive + "1 2 3\r\n"));
    a.script.Then([](QWidget* w) {
        Click(w, "cmdScegliArchivio");
        Click(w, "cmdVerificaArchivio");
        // Draw 1 scores 10, 10, 10; draw 2 nothing; draw 3 scores 5, 0, 3.
        EXPECT_EQ(Record(w), (QStringList{"10:1:3", "5:1:1", "3:1:1", "0:2:4"}));
        EXPECT_EQ(ListLines(w),
                  (QStringList{"punti 10 ... 01/12/2026 n. 1", "punti 05 ... 07/12/2026 n. 3", "punti 00 ... n. 2"}));
        // At least 5 of 20 numbers: the sum over k = 5..20 of C(20,k) C(70,20-k) / C(90,20).
        EXPECT_TRUE(Text(w, "lblProbabilita")
                        .endsWith("Probabilità che almeno 5 dei 20 numeri siano estratti: 47,36% (in media 1 "
                                  "estrazione ogni 2,1)\nNelle 3 estrazioni scelte è successo 2 volte (66,67%)"))
            << Text(w, "lblProbabilita").toStdString();
        Click(w, "cmdScegliArchivio");  // refused
    });
    a.script.AcknowledgeMessage();
    a.script.Then([](QWidget* w) {
        EXPECT_TRUE(Text(w, "lblArchivio").startsWith("ARCHIVIO.TXT: 3 estrazioni"));
        Spin(w, "spnUltime")->setValue(2);
        Click(w, "cmdVerificaArchivio");
        EXPECT_EQ(Record(w), (QStringList{"5:1:1", "3:1:1", "0:2:4"}));
        Spin(w, "spnDa")->setValue(3);
        Spin(w, "spnA")->setValue(2);
        Click(w, "cmdVerificaArchivio");
    });
    a.script.AcknowledgeMessage();
    a.script.Then([](QWidget* w) {
        EXPECT_EQ(Record(w), (QStringList{"5:1:1", "3:1:1", "0:2:4"}));
        // Choosing a draw in the list makes it the draw to use.
        auto* list = w->findChild<QListView*>("lstEstrazioni");
        list->setCurrentIndex(list->model()->index(1, 0));
        EXPECT_EQ(Spin(w, "spnEstrazione")->value(), 2);
        Close(w);
    });
    a.Run();
    EXPECT_EQ(a.script.texts, (QStringList{"Archivio non valido ..!\nRiga 5: attesi 20 numeri, trovati 3",
                                           "Intervallo di estrazioni non valido ..!"}));
}

TEST(ArchiveWindow, ALongCheckShowsItsProgressAndCancellingLeavesTheRecordAsItWas) {
    // 100,000 lines against 10,002 draws: well over half a second.
    LineList system;
    for (int i = 0; i < 100000; ++i) system.push_back(SystemOverOneToTwenty()[static_cast<std::size_t>(i % 3)]);
    ArchiveFixture a(std::move(system));
    std::string many;
    for (int i = 0; i < 3334; ++i) many += kArchive;
    a.f.files.answers.front() = a.folder.Write("GRANDE.TXT", many);
    a.script.Then([](QWidget* w) {
        Click(w, "cmdScegliArchivio");
        Spin(w, "spnDa")->setValue(1);
        Spin(w, "spnA")->setValue(1);
        Click(w, "cmdVerificaArchivio");
        const QStringList record = Record(w);
        const QStringList list = ListLines(w);
        EXPECT_EQ(record, QStringList{"10:1:100000"});

        w->findChild<QRadioButton*>("opIntervallo(0)")->setChecked(true);
        Click(w, "cmdVerificaArchivio");
        auto* cancel = Button(w, "cmdAnnulla");
        ASSERT_TRUE(QTest::qWaitFor([cancel] { return cancel->isVisible(); }, 20000));
        EXPECT_TRUE(w->findChild<QProgressBar*>("prgVerifica")->isVisible());
        EXPECT_FALSE(Button(w, "cmdVerificaArchivio")->isEnabled());
        Click(w, "cmdAnnulla");
        EXPECT_TRUE(QTest::qWaitFor([&] { return Button(w, "cmdVerificaArchivio")->isEnabled(); }, 20000));
        EXPECT_FALSE(cancel->isVisible());
        EXPECT_EQ(Record(w), record);
        EXPECT_EQ(ListLines(w), list);
        Close(w);
    });
    a.Run();
}

TEST(ArchiveWindow, TheRecordsColumnsSayWhatTheyCount) {
    ArchiveFixture a(SystemOverOneToTwenty());
    a.script.Then([](QWidget* w) {
        auto* table = w->findChild<QTableWidget*>("tblRecord");
        ASSERT_EQ(table->columnCount(), 3);
        QStringList headers;
        QStringList toolTips;
        for (int column = 0; column < table->columnCount(); ++column) {
            headers << table->model()->headerData(column, Qt::Horizontal).toString();
            toolTips << table->model()->headerData(column, Qt::Horizontal, Qt::ToolTipRole).toString();
            // Each heading shows whole in its column.
            EXPECT_GE(table->horizontalHeader()->sectionSize(column),
                      table->horizontalHeader()->sectionSizeHint(column))
                << column;
        }
        EXPECT_EQ(headers, (QStringList{"Punti", "Estrazioni\ncon i punti", "Combinazioni\nin tutto"}));
        EXPECT_EQ(toolTips[0], "Punti fatti da una combinazione in un'estrazione");
        EXPECT_TRUE(toolTips[1].startsWith("Estrazioni in cui almeno una combinazione ha fatto questi punti"))
            << toolTips[1].toStdString();
        // Why the column may add up to more than the draws: the reading that misled a player.
        EXPECT_TRUE(toolTips[1].contains(QString::fromUtf8("può sommare più delle estrazioni verificate")));
        EXPECT_TRUE(toolTips[2].startsWith("Combinazioni vincenti in tutto")) << toolTips[2].toStdString();
        // All eleven scores show below the headings without scrolling.
        EXPECT_FALSE(table->verticalScrollBar()->isVisible());
        Close(w);
    });
    a.Run();
}

}  // namespace
}  // namespace ordavex
