#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "dialogs/message_dialog.h"
#include "gui_harness.h"
#include "widgets/ui_style.h"

namespace ordavex {
namespace {

QPushButton* ButtonOf(QWidget* dialog, int index) {
    return dialog->findChild<QPushButton*>(QString("cmdPulsante(%1)").arg(index));
}

// The arithmetic of the layout is tested in the core; here, that the dialog places its parts by it.
TEST(MessageDialog, LaysItselfOutByLinesAndCaptions) {
    AppState state;
    state.MessageText = "La lunghezza delle combinazioni|non è conforme al tipo di gioco ..!";
    state.MessageButtons = "Appendi,Sovrascrivi,Rinuncia";
    state.MessageChoice = 5;
    MessageDialog dialog(state, nullptr);
    dialog.Load();
    EXPECT_EQ(state.MessageChoice, 0) << "the choice starts at 0";
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Ordavex® - MESSAGE"));
    EXPECT_EQ(dialog.size(), QSize(Px(4815), Px(2550)));
    auto* frame = dialog.findChild<QFrame*>("fraMessage");
    auto* label = dialog.findChild<QLabel*>("lblMessage");
    ASSERT_TRUE(frame != nullptr && label != nullptr);
    EXPECT_EQ(frame->geometry(), TwipsRect(30, 0, 4725, 2550));
    EXPECT_EQ(label->geometry(), TwipsRect(210, 1050, 4275, 550));
    EXPECT_EQ(label->text(), QString::fromUtf8("La lunghezza delle combinazioni\nnon è conforme al tipo di gioco ..!"));
    const QStringList captions{"Appendi", "Sovrascrivi", "Rinuncia"};
    const int lefts[] = {185, 1655, 3125};
    ASSERT_EQ(dialog.Buttons().size(), 3);
    for (int i = 0; i < 3; ++i) {
        auto* button = ButtonOf(&dialog, i + 1);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->geometry(), TwipsRect(lefts[i], 1950, 1400, 465)) << i;
        EXPECT_EQ(button->text(), captions[i]);
        EXPECT_FALSE(button->isDefault());
    }
}

TEST(MessageDialog, WithNoCaptionOrFourTheDesignButtonStaysBlank) {
    AppState state;
    for (const char* buttons : {"", "a,b,c,d"}) {
        state.MessageText = "x";
        state.MessageButtons = buttons;
        MessageDialog dialog(state, nullptr);
        dialog.Load();
        ASSERT_EQ(dialog.Buttons().size(), 1) << buttons;
        auto* button = ButtonOf(&dialog, 1);
        EXPECT_EQ(button->text(), "");
        EXPECT_EQ(button->geometry(), TwipsRect(210, 1675, 1400, 465));
    }
    test::ModalScript script;
    script.PressMessageButton(1);
    EXPECT_EQ(ShowMessageWithButtons(state, nullptr, "x", ""), 1) << "the blank design button answers 1";
}

TEST(MessageDialog, FocusStartsOnTheFirstButtonAndEnterPressesIt) {
    AppState state;
    test::ModalScript script;
    QString focused;
    script.Then([&focused](QWidget* dialog) {
        if (auto* widget = QApplication::focusWidget()) focused = widget->objectName();
        QTest::keyClick(dialog->findChild<QPushButton*>("cmdPulsante(1)"), Qt::Key_Return);
    });
    EXPECT_EQ(ShowMessageWithButtons(state, nullptr, "Confermi uscita dal programma?", "NO,SI"), 1);
    EXPECT_EQ(focused, "cmdPulsante(1)");
}

TEST(MessageDialog, CloseBoxAndEscapeAreRefused) {
    AppState state;
    test::ModalScript script;
    bool stillOpenAfterClose = false;
    bool stillOpenAfterEscape = false;
    int choiceWhileOpen = -1;
    script.Then([&](QWidget* dialog) {
        dialog->close();
        stillOpenAfterClose = dialog->isVisible();
        QTest::keyClick(dialog, Qt::Key_Escape);
        stillOpenAfterEscape = dialog->isVisible();
        choiceWhileOpen = state.MessageChoice;
        test::PressButtonOf(dialog, 2);
    });
    EXPECT_EQ(ShowMessageWithButtons(state, nullptr, "Confermi uscita dal programma?", "NO,SI"), 2);
    EXPECT_TRUE(stillOpenAfterClose);
    EXPECT_TRUE(stillOpenAfterEscape);
    EXPECT_EQ(choiceWhileOpen, 0);
}

enum class Mode { Append, Overwrite, GiveUp };
constexpr MessageAnswer<Mode> kModes[] = {
    {Mode::Append, "Appendi"}, {Mode::Overwrite, "Sovrascrivi"}, {Mode::GiveUp, "Rinuncia"}};

TEST(MessageDialog, AQuestionShowsItsAnswersInOrderAndReturnsThePressedOneByName) {
    for (int pressed = 1; pressed <= 3; ++pressed) {
        AppState state;
        test::ModalScript script;
        QStringList captions;
        script.Then([&captions, pressed](QWidget* dialog) {
            for (int index = 1; index <= 3; ++index) captions << ButtonOf(dialog, index)->text();
            test::PressButtonOf(dialog, pressed);
        });
        const std::optional<Mode> answer = Ask(state, nullptr, "File esistente ..!", kModes);
        EXPECT_EQ(captions, (QStringList{"Appendi", "Sovrascrivi", "Rinuncia"}));
        ASSERT_TRUE(answer.has_value()) << pressed;
        EXPECT_EQ(*answer, kModes[pressed - 1].answer);
        EXPECT_EQ(state.MessageButtons, "Appendi,Sovrascrivi,Rinuncia");
    }
}

TEST(MessageDialog, ATellingHasTheSingleButtonOk) {
    AppState state;
    test::ModalScript script;
    QString caption;
    int buttons = 0;
    script.Then([&caption, &buttons](QWidget* dialog) {
        buttons = static_cast<int>(dialog->findChildren<QPushButton*>().size());
        caption = ButtonOf(dialog, 1)->text();
        test::PressButtonOf(dialog, 1);
    });
    ShowMessage(state, nullptr, "Nessun Sistema in memoria ..!");
    EXPECT_EQ(buttons, 1);
    EXPECT_EQ(caption, "OK");
}

}  // namespace
}  // namespace ordavex
