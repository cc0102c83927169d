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

struct GeometryCase {
    const char* text;
    const char* buttons;
    int frameHeight;
    int labelHeight;
    int buttonTop;
    std::vector<int> lefts;  // of the visible, captioned buttons
};

TEST(MessageDialog, LaysItselfOutByLinesAndCaptions) {
    const GeometryCase cases[] = {
        {"Nessun Sistema in memoria ..!", "OK", 2275, 275, 1675, {1700}},
        {"Confermi uscita dal programma?", "NO,SI", 2275, 275, 1675, {1000, 2460}},
        {"File esistente ..!", "Appendi,Sovrascrivi,Rinuncia", 2275, 275, 1675, {185, 1655, 3125}},
        {"La lunghezza delle combinazioni|non è conforme al tipo di gioco ..!", "OK", 2550, 550, 1950, {1700}},
        {"uno||tre", "OK", 2825, 825, 2225, {1700}},
        {"", "OK", 2000, 0, 1400, {1700}},
    };
    AppState state;
    for (const auto& c : cases) {
        state.MessageText = c.text;
        state.MessageButtons = c.buttons;
        state.MessageChoice = 5;
        MessageDialog dialog(state, nullptr);
        dialog.Load();
        EXPECT_EQ(state.MessageChoice, 0) << "the choice starts at 0";
        EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("Ordavex® - MESSAGE"));
        EXPECT_EQ(dialog.size(), QSize(Px(4815), Px(c.frameHeight + 2450 - 2000 - 450)));
        auto* frame = dialog.findChild<QFrame*>("fraMessage");
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->geometry(), TwipsRect(30, 0, 4725, c.frameHeight)) << c.text;
        auto* label = dialog.findChild<QLabel*>("lblMessage");
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->geometry(), TwipsRect(210, 1050, 4275, c.labelHeight)) << c.text;
        EXPECT_EQ(label->text(), QString(c.text).replace('|', '\n'));
        ASSERT_EQ(dialog.Buttons().size(), static_cast<int>(c.lefts.size())) << c.text;
        const auto captions = QString(c.buttons).split(',');
        for (std::size_t i = 0; i < c.lefts.size(); ++i) {
            auto* button = ButtonOf(&dialog, static_cast<int>(i) + 1);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->geometry(), TwipsRect(c.lefts[i], c.buttonTop, 1400, 465)) << c.text << " " << i;
            EXPECT_EQ(button->text(), captions[static_cast<int>(i)]);
            EXPECT_FALSE(button->isDefault());
        }
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
    EXPECT_EQ(ShowMessage(state, nullptr, "x", ""), 1) << "the blank design button answers 1";
}

TEST(MessageDialog, EachButtonYieldsItsPosition) {
    AppState state;
    for (int index = 1; index <= 3; ++index) {
        test::ModalScript script;
        script.PressMessageButton(index);
        EXPECT_EQ(ShowMessage(state, nullptr, "File esistente ..!", "Appendi,Sovrascrivi,Rinuncia"), index);
        EXPECT_EQ(state.MessageChoice, index);
        EXPECT_TRUE(script.unexpected.isEmpty());
    }
    test::ModalScript script;
    script.PressMessageButton(2);
    EXPECT_EQ(ShowMessage(state, nullptr, "Confermi uscita dal programma?", "NO,SI"), 2);
}

TEST(MessageDialog, RepeatedOpeningsStartFromOneButton) {
    AppState state;
    test::ModalScript script;
    script.PressMessageButton(3);
    ShowMessage(state, nullptr, "q", "a,b,c");
    script.Then([](QWidget* dialog) {
        EXPECT_EQ(dialog->findChildren<QPushButton*>().size(), 1);
        test::PressButtonOf(dialog, 1);
    });
    EXPECT_EQ(ShowMessage(state, nullptr, "ok"), 1);
}

TEST(MessageDialog, FocusStartsOnTheFirstButtonAndEnterPressesIt) {
    AppState state;
    test::ModalScript script;
    QString focused;
    script.Then([&focused](QWidget* dialog) {
        if (auto* widget = QApplication::focusWidget()) focused = widget->objectName();
        QTest::keyClick(dialog->findChild<QPushButton*>("cmdPulsante(1)"), Qt::Key_Return);
    });
    EXPECT_EQ(ShowMessage(state, nullptr, "Confermi uscita dal programma?", "NO,SI"), 1);
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
    EXPECT_EQ(ShowMessage(state, nullptr, "Confermi uscita dal programma?", "NO,SI"), 2);
    EXPECT_TRUE(stillOpenAfterClose);
    EXPECT_TRUE(stillOpenAfterEscape);
    EXPECT_EQ(choiceWhileOpen, 0);
}

}  // namespace
}  // namespace ordavex
