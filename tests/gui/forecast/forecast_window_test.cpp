#include <gtest/gtest.h>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "forecast/forecast_window.h"
#include "gui_harness.h"
#include "widgets/keypad.h"
#include "widgets/ui_style.h"

namespace ordavex {
namespace {

QPushButton* Key(QWidget* window, int n) {
    return window->findChild<QPushButton*>(QString("cmdTastierino(%1)").arg(n));
}

QString Text(QWidget* window, const char* label) {
    auto* found = window->findChild<QLabel*>(label);
    return found != nullptr ? found->text() : QString("<missing %1>").arg(label);
}

QColor Colour(QWidget* window, int n) { return Key(window, n)->palette().color(QPalette::Button); }

QColor Face(QWidget* window) { return window->palette().color(QPalette::Button); }

int KeysShowing(QWidget* window, const QColor& colour) {
    int count = 0;
    for (int n = kLowestNumber; n <= kHighestNumber; ++n)
        count += Key(window, n) != nullptr && Colour(window, n) == colour ? 1 : 0;
    return count;
}

// Runs an action that opens a modal window once the current script step has returned, so that
// the script meets that window, and then this window again, each as a step of its own.
void Later(std::function<void()> action) { QTimer::singleShot(0, std::move(action)); }

// Keys arrive where the focus is, as typed keys do.
void Press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = window->focusWidget();
    QTest::keyClick(focus != nullptr ? focus : window, key, modifiers);
}

// Records, for each Delete that reaches the control it watches, what the selection counted then.
struct KeyRecorder : QObject {
    explicit KeyRecorder(const AppState& watched) : state(watched) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
            countsSeen.push_back(state.ForecastCount);
        }
        return false;
    }
    const AppState& state;
    std::vector<int> countsSeen;
};

LineList TwelveNumberMatrix() { return {"1 2 3 4 5 6 7 8 9 10", "3 4 5 6 7 8 9 10 11 12"}; }

class ForecastWindowTest : public ::testing::Test {
protected:
    ForecastWindowTest() { fixture.state.ReplaceMatrix("SM12-10-6-5-5", TwelveNumberMatrix(), 12); }

    // Opens the window from the main window; the queued script answers it and every window it opens.
    void Open() {
        fixture.Click("cmdAdattaMatrice");
        EXPECT_EQ(script.Pending(), 0u);
        EXPECT_TRUE(test::WaitUntilNoModalWindow());
    }

    // Opens the window and runs `body` on it; the window is closed after. `body` opens no window.
    void OpenAnd(const std::function<void(QWidget*)>& body) {
        script.Then([body](QWidget* window) {
            body(window);
            window->close();
        });
        Open();
    }

    test::MainWindowFixture fixture;
    test::ModalScript script;
};

TEST_F(ForecastWindowTest, PartsStandWhereTheDesignPutsThem) {
    OpenAnd([](QWidget* window) {
        test::ExpectDesignPlaces(window, {
                                             {"Label1(1)", 210, 210, 6285, 255},
                                             {"Frame1", 210, 480, 6285, 5265},
                                             {"cmdTastierino(1)", 240, 360, 525, 465},
                                             // Ten columns and nine rows, 585 and 525 twips apart.
                                             {"cmdTastierino(90)", 5505, 4560, 525, 465},
                                             {"Label1(3)", 6570, 210, 4215, 255},
                                             {"Frame4", 6570, 480, 4215, 705},
                                             {"lblNomeMatrice", 210, 240, 3795, 345},
                                             {"Frame2", 6570, 1200, 4215, 1305},
                                             {"Label1(0)", 1140, 420, 1845, 285},
                                             {"lblSelezionati", 3270, 390, 465, 285},
                                             {"Label1(2)", 1140, 780, 1845, 285},
                                             {"lblDaSelezionare", 3270, 750, 465, 285},
                                             {"Frame3", 6570, 2550, 4215, 1035},
                                             {"cmdSviluppa", 300, 240, 3585, 675},
                                         });
    });
}

TEST_F(ForecastWindowTest, FirstOpeningAfterATwelveNumberMatrixThenThreeClicksCycleAzureGoldOff) {
    OpenAnd([this](QWidget* window) {
        EXPECT_EQ(window->objectName(), "frmTastierino");
        EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Ordavex® - by Quarnelo - Press <F10> to Info"));
        EXPECT_EQ(window->size(), QSize(Px(10995), Px(5955)));
        EXPECT_EQ(KeysShowing(window, Face(window)), 90);
        EXPECT_EQ(Key(window, 90)->parentWidget()->objectName(), "Frame1");
        EXPECT_EQ(Text(window, "lblSelezionati"), "0");
        EXPECT_EQ(Text(window, "lblDaSelezionare"), "12");
        EXPECT_EQ(Text(window, "lblNomeMatrice"), "SM12-10-6-5-5");
        EXPECT_EQ(Text(window, "Label1(1)"), "SELEZIONE PRONOSTICO");
        EXPECT_EQ(Text(window, "Label1(3)"), "MATRICE SELEZIONATA");
        EXPECT_EQ(Text(window, "Label1(0)"), "Numeri Selezionati");
        EXPECT_EQ(Text(window, "Label1(2)"), "da selezionare");
        auto* develop = window->findChild<QPushButton*>("cmdSviluppa");
        ASSERT_NE(develop, nullptr);
        EXPECT_EQ(develop->text(), "SVILUPPA SISTEMA");
        EXPECT_EQ(develop->toolTip(), "Adatta Pronostico");

        QTest::mouseClick(Key(window, 3), Qt::LeftButton);
        const QColor colours[] = {kSelectedColour, kFixedColour, Face(window)};
        const char* selected[] = {"2", "2", "1"};
        const char* stillToSelect[] = {"10", "10", "11"};
        for (int click = 0; click < 3; ++click) {
            SCOPED_TRACE(click + 1);
            QTest::mouseClick(Key(window, 45), Qt::LeftButton);
            EXPECT_EQ(Colour(window, 45), colours[click]);
            EXPECT_EQ(Text(window, "lblSelezionati"), selected[click]);
            EXPECT_EQ(Text(window, "lblDaSelezionare"), stillToSelect[click]);
        }
        EXPECT_EQ(fixture.state.ForecastStates[45], kForecastOff);
        EXPECT_EQ(fixture.state.ForecastCount, 1);
        EXPECT_EQ(Colour(window, 3), kSelectedColour);
    });
}

// Gold on number n: two clicks from off.
void MakeGold(QWidget* window, int n) {
    QTest::mouseClick(Key(window, n), Qt::LeftButton);
    QTest::mouseClick(Key(window, n), Qt::LeftButton);
}

// The label shows its whole text: wrapped to its width, the text needs no more than its height.
void ExpectFixedInfoFits(QWidget* window) {
    auto* label = window->findChild<QLabel*>("lblFisseInfo");
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->wordWrap());
    EXPECT_LE(label->heightForWidth(label->width()), label->height()) << label->text().toStdString();
}

TEST_F(ForecastWindowTest, TheFixedNumbersInfoFollowsEveryClickDeleteAndOpening) {
    // 1 and 2 are in all four lines; 3 in two of them.
    fixture.state.ReplaceMatrix("MATRIX05_04_F2", {"1 2 3 4 5", "1 2 3 6 7", "1 2 4 5 6", "1 2 5 6 7"}, 7);
    OpenAnd([](QWidget* window) {
        auto* label = window->findChild<QLabel*>("lblFisseInfo");
        ASSERT_NE(label, nullptr);
        // In the room under the development frame, clear of the keypad and inside the window.
        const QRect develop = window->findChild<QWidget*>("Frame3")->geometry();
        const QRect keypad = window->findChild<QWidget*>("Frame1")->geometry();
        EXPECT_GT(label->geometry().top(), develop.bottom());
        EXPECT_GT(label->geometry().left(), keypad.right());
        EXPECT_TRUE(window->rect().contains(label->geometry()));
        EXPECT_EQ(Text(window, "lblFisseInfo"),
                  "Questa matrice ha 2 numeri fissi: segna in oro i numeri da giocare in tutte le combinazioni");
        ExpectFixedInfoFits(window);

        // A merely selected number is no gold one: the hint stays.
        QTest::mouseClick(Key(window, 30), Qt::LeftButton);
        EXPECT_TRUE(Text(window, "lblFisseInfo").startsWith("Questa matrice ha 2 numeri fissi"));
        MakeGold(window, 40);
        EXPECT_EQ(Text(window, "lblFisseInfo"),
                  "Fisse: 1 di 2, in tutte le 4 combinazioni; il posto fisso restante va al primo numero selezionato");
        ExpectFixedInfoFits(window);
        QTest::mouseClick(Key(window, 30), Qt::LeftButton);
        EXPECT_EQ(Text(window, "lblFisseInfo"), "Fisse: 2 di 2, in tutte le 4 combinazioni");
        MakeGold(window, 5);
        MakeGold(window, 88);
        EXPECT_EQ(Text(window, "lblFisseInfo"),
                  "Fisse: 2 di 2, in tutte le 4 combinazioni; gli altri 2 numeri oro compaiono in 2, 2 combinazioni");
        ExpectFixedInfoFits(window);
        // A third click takes 88 off gold.
        QTest::mouseClick(Key(window, 88), Qt::LeftButton);
        EXPECT_EQ(Text(window, "lblFisseInfo"),
                  "Fisse: 2 di 2, in tutte le 4 combinazioni; l'altro numero oro compare in 2 combinazioni");
        Press(window, Qt::Key_Delete);
        EXPECT_EQ(Text(window, "lblFisseInfo"),
                  "Questa matrice ha 2 numeri fissi: segna in oro i numeri da giocare in tutte le combinazioni");
    });

    // The next opening counts the matrix loaded since.
    fixture.state.ReplaceMatrix("SM12-10-6-5-5", TwelveNumberMatrix(), 12);
    for (int n = 1; n <= 12; ++n) fixture.state.ForecastStates[static_cast<std::size_t>(n)] = kForecastFixed;
    fixture.state.RecountForecast();
    OpenAnd([](QWidget* window) {
        EXPECT_EQ(Text(window, "lblFisseInfo"),
                  "Questa matrice non ha numeri fissi: i numeri oro prendono i primi posti e compaiono in 1, 1, 2, 2, "
                  "2, 2, 2, 2, ... combinazioni");
        ExpectFixedInfoFits(window);
        MakeGold(window, 13);
        EXPECT_EQ(Text(window, "lblFisseInfo"), "Troppi numeri oro: la matrice ha solo 12 posti");
    });
}

TEST_F(ForecastWindowTest, SelectionSurvivesReopening) {
    OpenAnd([](QWidget* window) {
        for (int n : {5, 10, 15, 20, 25}) QTest::mouseClick(Key(window, n), Qt::LeftButton);
        QTest::mouseClick(Key(window, 25), Qt::LeftButton);
        EXPECT_EQ(Text(window, "lblSelezionati"), "5");
        EXPECT_EQ(Text(window, "lblDaSelezionare"), "7");
    });
    OpenAnd([](QWidget* window) {
        EXPECT_EQ(Text(window, "lblSelezionati"), "5");
        EXPECT_EQ(Text(window, "lblDaSelezionare"), "7");
        EXPECT_EQ(Colour(window, 5), kSelectedColour);
        EXPECT_EQ(Colour(window, 25), kFixedColour);
        // The keypad once, the development and the statistics.
        EXPECT_EQ(window->findChildren<QPushButton*>().size(), 92);
    });
}

TEST_F(ForecastWindowTest, InsertSelectsAllForAFiftyFiveNumberMatrix) {
    LineList matrix{"1 2 3 4 5"};
    for (int n = 6; n <= 55; ++n) matrix.push_back(std::to_string(n));
    fixture.state.ReplaceMatrix("SM55", matrix, 55);
    fixture.state.ForecastStates[70] = kForecastFixed;
    fixture.state.RecountForecast();
    OpenAnd([this](QWidget* window) {
        Press(window, Qt::Key_Insert, Qt::ShiftModifier);
        EXPECT_EQ(KeysShowing(window, kSelectedColour), 90);
        EXPECT_EQ(fixture.state.ForecastStates[70], kForecastSelected);
        EXPECT_EQ(Text(window, "lblSelezionati"), "90");
        EXPECT_EQ(Text(window, "lblDaSelezionare"), "-35");
        EXPECT_EQ(QApplication::focusWidget(), Key(window, 1));
    });
}

TEST_F(ForecastWindowTest, InsertDoesNothingForATwelveNumberMatrixAndDeleteClearsGoldToo) {
    fixture.state.ForecastStates[7] = kForecastFixed;
    fixture.state.ForecastStates[88] = kForecastSelected;
    fixture.state.RecountForecast();
    KeyRecorder recorder(fixture.state);
    OpenAnd([this, &recorder](QWidget* window) {
        QWidget* focused = Key(window, 40);
        focused->setFocus(Qt::OtherFocusReason);
        focused->installEventFilter(&recorder);
        Press(window, Qt::Key_Insert);
        EXPECT_EQ(fixture.state.ForecastCount, 2);
        EXPECT_EQ(Text(window, "lblSelezionati"), "2");
        EXPECT_EQ(Colour(window, 7), kFixedColour);
        Press(window, Qt::Key_Delete, Qt::ControlModifier);
        EXPECT_EQ(KeysShowing(window, Face(window)), 90);
        EXPECT_EQ(fixture.state.ForecastCount, 0);
        EXPECT_EQ(fixture.state.ForecastStates[7], kForecastOff);
        EXPECT_EQ(Text(window, "lblSelezionati"), "0");
        EXPECT_EQ(Text(window, "lblDaSelezionare"), "12");
        EXPECT_EQ(QApplication::focusWidget(), Key(window, 1));
    });
    // The focused control still received the key, after the window had cleared the keypad.
    EXPECT_EQ(recorder.countsSeen, std::vector<int>{0});
}

TEST_F(ForecastWindowTest, F10ShowsTheHelpTextOnce) {
    QStringList shown;
    script.Then([](QWidget* window) { Later([window] { Press(window, Qt::Key_F10, Qt::AltModifier); }); });
    script.Then([&shown](QWidget* info) {
        shown = Text(info, "lblInfo").split('\n');
        info->close();
    });
    // A second information window would take this step, and the forecast window none.
    script.Then([](QWidget* window) {
        EXPECT_EQ(window->objectName(), "frmTastierino");
        window->close();
    });
    Open();
    EXPECT_EQ(shown.size(), 12);
}

TEST_F(ForecastWindowTest, EveryKeypadTakesTheNextTabPositionsInAscendingOrder) {
    for (int opening = 0; opening < 2; ++opening) {
        OpenAnd([opening](QWidget* window) {
            SCOPED_TRACE(opening);
            for (int n = kLowestNumber; n <= kHighestNumber; ++n) {
                EXPECT_EQ(Key(window, n)->property(kKeypadTabPositionProperty).toInt(), opening * 90 + n);
                if (n < 90) {
                    EXPECT_EQ(Key(window, n)->nextInFocusChain(), Key(window, n + 1)) << n;
                }
            }
        });
    }
}

TEST_F(ForecastWindowTest, DevelopingTellsTheMismatchThenReplacesTheSystemAndStaysOpen) {
    fixture.state.ReplaceSystem({"01 02 03 04 05"});
    for (int n = 1; n <= 11; ++n) fixture.state.ForecastStates[static_cast<std::size_t>(n)] = kForecastSelected;
    fixture.state.RecountForecast();
    const auto develop = [](QWidget* window) {
        auto* button = window->findChild<QPushButton*>("cmdSviluppa");
        Later([button] { QTest::mouseClick(button, Qt::LeftButton); });
    };
    script.Then(develop);
    script.AcknowledgeMessage();
    script.Then([this, develop](QWidget* window) {
        EXPECT_EQ(fixture.state.SystemCombinations, LineList{"01 02 03 04 05"});
        QTest::mouseClick(Key(window, 90), Qt::LeftButton);
        develop(window);
    });
    script.AcknowledgeMessage();
    bool openAfterSuccess = false;
    script.Then([&openAfterSuccess](QWidget* window) {
        openAfterSuccess = window->objectName() == "frmTastierino" && window->isVisible();
        window->close();
    });
    Open();
    EXPECT_EQ(script.texts, (QStringList{QString::fromUtf8("Hai selezionato 1 numeri in meno ..!"),
                                         "Sistema creato con successo ..!"}));
    EXPECT_TRUE(openAfterSuccess);
    EXPECT_EQ(fixture.state.SystemCombinations,
              (LineList{"01 02 03 04 05 06 07 08 09 10", "03 04 05 06 07 08 09 10 11 90"}));
    EXPECT_EQ(fixture.LabelText("lblCatturate"), "2");
}

}  // namespace
}  // namespace ordavex
