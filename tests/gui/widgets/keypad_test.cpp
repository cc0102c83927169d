#include <gtest/gtest.h>
#include <QApplication>
#include <QFrame>
#include <QPushButton>

#include "widgets/keypad.h"
#include "widgets/ui_style.h"

namespace ordavex {
namespace {

// A frame holding only the template, as a window's design does.
struct KeypadFixture {
    KeypadFixture() {
        frame.resize(Px(6285), Px(5265));
        auto* keypadTemplate = new QPushButton("1", &frame);
        keypadTemplate->setObjectName("cmdTastierino(1)");
        keypadTemplate->setGeometry(TwipsRect(240, 360, 525, 465));
        keypadTemplate->setFont(DesignFont(kSegoeUi, 11.25));
        keypadTemplate->setFocusPolicy(Qt::TabFocus);
        SetBackground(keypadTemplate, kSelectedColour);
        buttons[1] = keypadTemplate;
        frame.show();
    }
    void Build() { BuildKeypad(1, 90, 10, 60, 60, true, true, false, buttons, counter); }
    QFrame frame;
    KeypadButtons buttons;
    std::int32_t counter = 0;
};

TEST(Keypad, CopiesTheTemplateUnderConsecutiveNames) {
    KeypadFixture keypad;
    keypad.Build();
    ASSERT_EQ(keypad.buttons.size(), 90u);
    const QPushButton* keypadTemplate = keypad.buttons[1];
    for (const auto& [index, button] : keypad.buttons) {
        SCOPED_TRACE(index);
        EXPECT_EQ(button->objectName(), QString("cmdTastierino(%1)").arg(index));
        EXPECT_EQ(button->parentWidget(), &keypad.frame);
        EXPECT_EQ(button->size(), keypadTemplate->size());
        EXPECT_EQ(button->font(), keypadTemplate->font());
        EXPECT_EQ(button->focusPolicy(), Qt::TabFocus);
        EXPECT_EQ(button->palette().color(QPalette::Button), kSelectedColour);
        EXPECT_TRUE(button->autoFillBackground());
        EXPECT_TRUE(button->isVisible());
        EXPECT_EQ(button->text(), QString::number(index));
        EXPECT_EQ(button->property(kKeypadTabPositionProperty).toInt(), index);
    }
    EXPECT_EQ(keypad.frame.findChildren<QPushButton*>().size(), 90);
}

TEST(Keypad, EmptyRangeCreatesNothingAndLaterBuildsReuseTheButtons) {
    KeypadFixture keypad;
    keypad.counter = 5;
    BuildKeypad(1, 0, 10, 60, 60, true, true, false, keypad.buttons, keypad.counter);
    EXPECT_EQ(keypad.buttons.size(), 1u);
    EXPECT_EQ(keypad.frame.findChildren<QPushButton*>().size(), 1);
    BuildKeypad(1, 3, 10, 60, 60, false, false, false, keypad.buttons, keypad.counter);
    QPushButton* second = keypad.buttons[2];
    EXPECT_EQ(second->text(), "1");  // without captions a copy keeps the template's
    EXPECT_EQ(keypad.counter, 5);
    keypad.Build();
    EXPECT_EQ(keypad.buttons[2], second);
    EXPECT_EQ(second->text(), "2");
    EXPECT_EQ(keypad.counter, 95);
    EXPECT_EQ(keypad.frame.findChildren<QPushButton*>().size(), 90);
}

TEST(Keypad, BringToFrontRaisesEachButton) {
    KeypadFixture keypad;
    auto* cover = new QFrame(&keypad.frame);
    cover->show();
    BuildKeypad(1, 2, 10, 60, 60, false, true, true, keypad.buttons, keypad.counter);
    const auto order = keypad.frame.children();
    EXPECT_GT(order.indexOf(keypad.buttons[1]), order.indexOf(cover));
    EXPECT_GT(order.indexOf(keypad.buttons[2]), order.indexOf(cover));
}

TEST(Keypad, ConnectKeypadSendsEachIndexOnce) {
    KeypadFixture keypad;
    keypad.Build();
    QObject receiver;
    std::vector<int> clicked;
    ConnectKeypad(keypad.buttons, &receiver, [&clicked](int index) { clicked.push_back(index); });
    ConnectKeypad(keypad.buttons, &receiver, [&clicked](int index) { clicked.push_back(index); });
    keypad.buttons[1]->click();
    keypad.buttons[47]->click();
    EXPECT_EQ(clicked, (std::vector<int>{1, 47}));
}

}  // namespace
}  // namespace ordavex
