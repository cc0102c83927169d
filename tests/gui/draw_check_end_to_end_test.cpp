#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QDialog>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "gui_harness.h"
#include "test_files.h"

namespace ordavex {
namespace {

QStringList ListLines(QWidget* window) { return test::ListLines(window, "lstCombinazioni"); }

void Press(QWidget* window, const QString& name) {
    auto* button = window->findChild<QAbstractButton*>(name);
    ASSERT_NE(button, nullptr) << name.toStdString();
    test::ClickAndRun(button);
}

TEST(DrawCheckEndToEnd, LoadASystemFileMarkTheDrawAndReadTheReports) {
    test::TempFolder folder;
    const std::string path = folder.Write("SISTEMA.TXT",
                                          "03 15 27 48 62\r\n"
                                          "01 02 04 05 06\r\n"
                                          "03 15 27 48 70 80\r\n"
                                          "10 20 30 40 50 60 71 72 73 74\r\n"
                                          "03 15 22 33 44\r\n"
                                          "07 08 09 10 11\r\n"
                                          "03 15 27 48 62 70\r\n"
                                          "62 70 80 85 90");
    test::MainWindowFixture f;
    test::ModalScript script;
    f.files.answers.push_back(path);
    f.Click("cmdOpenFile");
    ASSERT_EQ(f.LabelText("lblCatturate"), "8");

    QStringList general;
    QStringList winners;
    bool ninetyBold = false;
    bool twelveBold = true;
    script.Then([&](QWidget* w) {
        ninetyBold = w->findChild<QPushButton*>("cmdSpoglio(90)")->font().bold();
        twelveBold = w->findChild<QPushButton*>("cmdSpoglio(12)")->font().bold();
        for (int n : {3, 15, 27, 48, 62, 70}) Press(w, QString("cmdSpoglio(%1)").arg(n));
        Press(w, "cmdVerifica");
        general = ListLines(w);
        w->findChild<QRadioButton*>("opTipo(1)")->setChecked(true);
        Press(w, "cmdVerifica");
        winners = ListLines(w);
        qobject_cast<QDialog*>(w)->close();
    });
    f.Click("cmdSpoglio");

    EXPECT_TRUE(script.texts.isEmpty()) << script.texts.join("; ").toStdString();
    EXPECT_TRUE(script.unexpected.isEmpty()) << script.unexpected.join("; ").toStdString();
    EXPECT_TRUE(ninetyBold);
    EXPECT_FALSE(twelveBold);
    EXPECT_EQ(general, (QStringList{"punti 10 ... 0", "punti 09 ... 0", "punti 08 ... 0", "punti 07 ... 0",
                                    "punti 06 ... 1", "punti 05 ... 2", "punti 00 ... 3"}));
    EXPECT_EQ(winners, (QStringList{"001 ... 03 15 27 48 62 ... 5", "002 ... 01 02 04 05 06 ... 0",
                                    "003 ... 03 15 27 48 70 80 ... 5", "004 ... 10 20 30 40 50 60 71 72 73 74 ... 0",
                                    "006 ... 07 08 09 10 11 ... 0", "007 ... 03 15 27 48 62 70 ... 6"}));
}

}  // namespace
}  // namespace ordavex
