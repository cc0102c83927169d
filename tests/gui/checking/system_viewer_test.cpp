#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QDialog>
#include <QListView>
#include <QTest>
#include <functional>

#include "gui_harness.h"
#include "widgets/ui_style.h"

namespace ordavex {
namespace {

using test::MainWindowFixture;
using test::ModalScript;

QStringList ItemsOf(QWidget* viewer) {
    QStringList items;
    auto* list = viewer->findChild<QListView*>("lstCombinazioni");
    if (list == nullptr) return {"<no lstCombinazioni>"};
    const auto* model = list->model();
    for (int row = 0; row < model->rowCount(); ++row) items << model->index(row, 0).data().toString();
    return items;
}

// Opens the viewer from the main window, runs `check` on it and returns the items it showed.
QStringList View(MainWindowFixture& f, ModalScript& script, const std::function<void(QWidget*)>& check = {}) {
    EXPECT_TRUE(test::WaitUntilNoModalWindow());
    QStringList items;
    script.Then([&items, check](QWidget* viewer) {
        if (check) check(viewer);
        items = ItemsOf(viewer);
        qobject_cast<QDialog*>(viewer)->close();
    });
    f.Click("cmdVisualizza");
    return items;
}

QString Numbered(int i) { return QString("%1)  01 02 03 %2").arg(i, 3, 10, QChar('0')).arg(10 + i % 80); }

TEST(SystemViewer, ItemsNumberedWithAtLeastThreeDigitsInStoredOrderBeyondSixteenBits) {
    MainWindowFixture f;
    LineList system;
    for (int i = 1; i <= 100000; ++i) system.push_back("01 02 03 " + std::to_string(10 + i % 80));
    system[0] = "45 03 90";
    system[11] = "7 1 2";
    system[999] = "03 07 12 20 33 41 45 56 60 71";
    f.state.ReplaceSystem(system);
    ModalScript script;
    const auto items = View(f, script);
    ASSERT_EQ(items.size(), 100000);
    EXPECT_EQ(items[0], "001)  45 03 90");
    EXPECT_EQ(items[1], Numbered(2));
    EXPECT_EQ(items[11], "012)  7 1 2");
    EXPECT_EQ(items[998], Numbered(999));
    EXPECT_EQ(items[999], "1000)  03 07 12 20 33 41 45 56 60 71");
    EXPECT_EQ(items[32767], Numbered(32768));
    EXPECT_EQ(items.last(), Numbered(100000));
}

TEST(SystemViewer, LayoutAndReopeningShowsEachLineOnceAndTheSystemAsItIsThen) {
    MainWindowFixture f;
    f.state.ReplaceSystem({"01 02 03", "04 05 06", "07 08 09"});
    ModalScript script;
    const QStringList three = {"001)  01 02 03", "002)  04 05 06", "003)  07 08 09"};
    EXPECT_EQ(View(f, script,
                   [](QWidget* viewer) {
                       EXPECT_EQ(viewer->objectName(), "frmVisualizza");
                       EXPECT_EQ(viewer->windowTitle(), ProductTitle());
                       // The design's client area, grown to the right for the buttons and the cost.
                       EXPECT_EQ(viewer->size(), QSize(Px(8160), Px(5955)));
                       EXPECT_EQ(viewer->findChild<QListView*>("lstCombinazioni")->geometry(),
                                 TwipsRect(180, 240, 4875, 5460));
                   }),
              three);
    EXPECT_EQ(View(f, script), three);
    f.state.ReplaceSystem({"10 20 30"});
    EXPECT_EQ(View(f, script), QStringList{"001)  10 20 30"});
}

}  // namespace
}  // namespace ordavex
