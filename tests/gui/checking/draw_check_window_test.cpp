#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "app/error_number.h"
#include "gui_harness.h"
#include "widgets/ui_style.h"

namespace ordavex {
namespace {

QPushButton* Key(QWidget* window, int n) { return window->findChild<QPushButton*>(QString("cmdSpoglio(%1)").arg(n)); }

QList<int> NumbersWhose(QWidget* window, const std::function<bool(QPushButton*)>& property) {
    QList<int> numbers;
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
        if (property(Key(window, n))) numbers << n;
    }
    return numbers;
}

using test::MarkedNumbers;
using test::SystemOverOneToTwenty;

QList<int> BoldNumbers(QWidget* window) {
    return NumbersWhose(window, [](QPushButton* key) { return key->font().bold(); });
}

QString Counter(QWidget* window) { return window->findChild<QLabel*>("lblSelezionati")->text(); }

QStringList ListLines(QWidget* window) { return test::ListLines(window, "lstCombinazioni"); }

QCheckBox* Tick(QWidget* window, int p) { return window->findChild<QCheckBox*>(QString("chkPunto(%1)").arg(p)); }
QRadioButton* Option(QWidget* window, int i) { return window->findChild<QRadioButton*>(QString("opTipo(%1)").arg(i)); }

QList<int> TickedScores(QWidget* window) {
    QList<int> ticked;
    for (int p = 0; p <= 10; ++p) {
        if (Tick(window, p)->isChecked()) ticked << p;
    }
    return ticked;
}

// The next widget that Tab reaches from `widget`.
QWidget* NextTabStop(QWidget* widget) {
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && !((next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(widget->window()))) {
        next = next->nextInFocusChain();
    }
    return next;
}

void ClickKeys(QWidget* window, std::initializer_list<int> numbers) {
    for (int n : numbers) QTest::mouseClick(Key(window, n), Qt::LeftButton);
}

void PressVerify(QWidget* window) { test::ClickAndRun(window->findChild<QPushButton*>("cmdVerifica")); }

void Close(QWidget* window) { qobject_cast<QDialog*>(window)->close(); }

const QList<int> kOpeningTicks = {0, 5, 6, 7, 8, 9, 10};

// A main window holding a system, from which the draw check is opened.
struct DrawCheckFixture {
    explicit DrawCheckFixture(LineList system) { f.state.ReplaceSystem(std::move(system)); }

    // Runs `inWindow` on the draw check once it shows, then closes it.
    void Open(const std::function<void(QWidget*)>& inWindow) {
        EXPECT_TRUE(test::WaitUntilNoModalWindow());
        script.Then([inWindow](QWidget* window) {
            inWindow(window);
            Close(window);
        });
        f.Click("cmdSpoglio");
    }

    test::MainWindowFixture f;
    test::ModalScript script;
};

TEST(DrawCheckWindow, PartsStandWhereTheDesignPutsThem) {
    DrawCheckFixture d(SystemOverOneToTwenty());
    d.Open([](QWidget* w) {
        test::ExpectDesignPlaces(w, {
                                        {"Frame1", 150, 180, 5925, 5595},
                                        {"cmdSpoglio(1)", 180, 270, 525, 465},
                                        // Ten columns 555 twips apart, nine rows 495 apart.
                                        {"cmdSpoglio(90)", 180 + 9 * 555, 270 + 8 * 495, 525, 465},
                                        {"Frame2", 180, 4770, 2205, 675},
                                        {"Label1(0)", 150, 270, 975, 285},
                                        {"lblSelezionati", 1410, 240, 465, 285},
                                        {"Frame3", 2550, 4770, 3165, 675},
                                        {"cmdVerifica", 90, 150, 2955, 435},
                                        {"Frame4", 6150, 180, 5445, 5595},
                                        {"lstCombinazioni", 150, 240, 5115, 4020},
                                        {"opTipo(0)", 390, 4350, 1335, 285},
                                        {"opTipo(1)", 3060, 4350, 1335, 285},
                                        {"Image2(0)", 30, 4740, 5370, 120},
                                        {"chkPunto(0)", 300, 4920, 225, 345},
                                        {"chkPunto(5)", 2250, 4920, 225, 345},
                                        {"chkPunto(6)", 2610, 4920, 225, 345},
                                        {"chkPunto(10)", 4080, 4920, 225, 345},
                                        {"Label2", 330, 5220, 4155, 255},
                                        // The row the window grew by: the archive of draws.
                                        {"cmdArchivio", 150, 5910, 2955, 435},
                                    });
    });
}

TEST(DrawCheckWindow, OpensWithItsDesign) {
    DrawCheckFixture d(SystemOverOneToTwenty());
    d.Open([](QWidget* w) {
        EXPECT_EQ(w->objectName(), "frmSpoglio");
        EXPECT_EQ(w->windowTitle(), ProductTitleWithHelp());
        // The design's client area, grown by one row for the button of the archive of draws.
        EXPECT_EQ(w->size(), QSize(Px(11745), Px(6555)));
        EXPECT_EQ(Key(w, 90)->text(), "90");
        EXPECT_EQ(Key(w, 90)->parentWidget()->objectName(), "Frame1");
        auto* verify = w->findChild<QPushButton*>("cmdVerifica");
        EXPECT_EQ(verify->text(), "VERIFICA VINCITE");
        EXPECT_EQ(verify->toolTip(), "Esegue Spoglio Vincite");
        EXPECT_EQ(Option(w, 0)->text(), "Generale");
        EXPECT_EQ(Option(w, 0)->toolTip(), "Vncite Globali");
        EXPECT_EQ(Option(w, 1)->text(), "Vincenti");
        EXPECT_EQ(Option(w, 1)->toolTip(), "Schede Vincenti con x punti");
        EXPECT_TRUE(Option(w, 0)->isChecked());
        EXPECT_EQ(TickedScores(w), kOpeningTicks);
        EXPECT_EQ(w->findChild<QLabel*>("Label1(0)")->text(), " Selezionati");
        EXPECT_EQ(w->findChild<QLabel*>("Label2")->text(), "0 1 2 3 4 5 6 7 8 9 10");
        EXPECT_FALSE(w->findChild<QLabel*>("Image2(0)")->pixmap().isNull());
        EXPECT_EQ(Counter(w), "0");
        EXPECT_TRUE(ListLines(w).isEmpty());
        EXPECT_TRUE(MarkedNumbers(w).isEmpty());
    });
}

TEST(DrawCheckWindow, SystemNumbersAreBoldAndMarksToggleInAzureUntilDeleteClearsThem) {
    DrawCheckFixture d(SystemOverOneToTwenty());
    QList<int> oneToTwenty;
    for (int n = 1; n <= 20; ++n) oneToTwenty << n;
    d.Open([&](QWidget* w) {
        EXPECT_EQ(BoldNumbers(w), oneToTwenty);
        ClickKeys(w, {7, 33, 89});
        EXPECT_EQ(MarkedNumbers(w), (QList<int>{7, 33, 89}));
        EXPECT_EQ(Counter(w), "3");
        ClickKeys(w, {7});
        EXPECT_EQ(MarkedNumbers(w), (QList<int>{33, 89}));
        EXPECT_EQ(Counter(w), "2");
        EXPECT_EQ(BoldNumbers(w), oneToTwenty);
        auto* list = w->findChild<QListView*>("lstCombinazioni");
        list->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(list, Qt::Key_Delete);
        EXPECT_TRUE(MarkedNumbers(w).isEmpty());
        EXPECT_EQ(Counter(w), "0");
        EXPECT_EQ(w->focusWidget(), Key(w, 1));
    });
    // A system loaded in between is taken into account at the next opening.
    d.f.state.ReplaceSystem({"45 90 07"});
    d.Open([](QWidget* w) {
        EXPECT_EQ(BoldNumbers(w), (QList<int>{7, 45, 90}));
        EXPECT_EQ(Counter(w), "0");
    });
}

TEST(DrawCheckWindow, SystemThatIsNoCombinationListIsReportedAndOpensWithNothingBold) {
    DrawCheckFixture d({"01 02 03", "04 95"});
    d.script.AcknowledgeMessage();
    d.Open([](QWidget* w) {
        EXPECT_TRUE(BoldNumbers(w).isEmpty());
        EXPECT_EQ(Counter(w), "0");
    });
    EXPECT_EQ(d.script.texts, QStringList{QString::fromStdString(ErrorMessage(kErrSubscript))});
}

void ExpectKeypadInAscendingTabOrder(QWidget* w) {
    EXPECT_EQ(w->findChildren<QPushButton*>(QRegularExpression("^cmdSpoglio\\(")).size(), 90);
    for (int n = 1; n < 90; ++n) ASSERT_EQ(NextTabStop(Key(w, n)), Key(w, n + 1)) << n;
    EXPECT_EQ(NextTabStop(Key(w, 90))->objectName(), "cmdVerifica");
}

TEST(DrawCheckWindow, MarksAndTheTabOrderSurviveReopeningWhileTheRestStartsAfresh) {
    DrawCheckFixture d(SystemOverOneToTwenty());
    d.Open([](QWidget* w) {
        ExpectKeypadInAscendingTabOrder(w);
        ClickKeys(w, {5, 17, 90});
        PressVerify(w);
        EXPECT_EQ(ListLines(w).size(), 7);
        Option(w, 1)->setChecked(true);
        Tick(w, 0)->setChecked(false);
        Tick(w, 2)->setChecked(true);
    });
    d.Open([](QWidget* w) {
        ExpectKeypadInAscendingTabOrder(w);
        EXPECT_EQ(MarkedNumbers(w), (QList<int>{5, 17, 90}));
        EXPECT_EQ(Counter(w), "3");
        EXPECT_TRUE(ListLines(w).isEmpty());
        EXPECT_TRUE(Option(w, 0)->isChecked());
        EXPECT_EQ(TickedScores(w), kOpeningTicks);
    });
}

TEST(DrawCheckWindow, F10ShowsTheHelpText) {
    DrawCheckFixture d({"01 02 03"});
    QString infoWindow;
    d.script.Then([](QWidget* w) { QTest::keyClick(Key(w, 12), Qt::Key_F10); });
    d.script.Then([&infoWindow](QWidget* info) {
        infoWindow = info->objectName();
        Close(info);
    });
    d.script.Then(Close);
    d.f.Click("cmdSpoglio");
    EXPECT_EQ(infoWindow, "frmInfo");
}

TEST(DrawCheckWindow, MessagesLeaveTheListAndNoTickClearsTheGeneralTableSilently) {
    DrawCheckFixture d(SystemOverOneToTwenty());
    d.script.Then([](QWidget* w) {
        ClickKeys(w, {1, 2});
        PressVerify(w);
        ASSERT_EQ(ListLines(w).size(), 7);
        for (int p = 0; p <= 10; ++p) Tick(w, p)->setChecked(false);
        PressVerify(w);
        EXPECT_TRUE(ListLines(w).isEmpty());
        Tick(w, 0)->setChecked(true);
        PressVerify(w);
        ASSERT_EQ(ListLines(w), QStringList{"punti 00 ... 1"});
        Tick(w, 0)->setChecked(false);
        Option(w, 1)->setChecked(true);
        PressVerify(w);
    });
    d.script.AcknowledgeMessage();
    QStringList listAfterTickMessage;
    d.script.Then([&listAfterTickMessage](QWidget* w) {
        listAfterTickMessage = ListLines(w);
        Tick(w, 0)->setChecked(true);
        ClickKeys(w, {2});
        PressVerify(w);
    });
    d.script.AcknowledgeMessage();
    QStringList listAfterMarkMessage;
    d.script.Then([&listAfterMarkMessage](QWidget* w) {
        listAfterMarkMessage = ListLines(w);
        Close(w);
    });
    d.f.Click("cmdSpoglio");
    EXPECT_EQ(d.script.texts,
              (QStringList{"Spuntare punteggi da visualizzare ..!", "Selezionare almeno 2 numer1 ..!"}));
    EXPECT_EQ(listAfterTickMessage, QStringList{"punti 00 ... 1"});
    EXPECT_EQ(listAfterMarkMessage, QStringList{"punti 00 ... 1"});
}

}  // namespace
}  // namespace ordavex
