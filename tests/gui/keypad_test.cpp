#include <QApplication>
#include <QFrame>
#include <QPushButton>
#include <gtest/gtest.h>

#include "app/ui_style.h"
#include "forecast/keypad.h"

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
    void Build(std::int16_t gap = 60, bool tabOrder = true, bool captions = true) {
        BuildKeypad(1, 90, 10, gap, gap, tabOrder, captions, false, buttons, counter);
    }
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
    }
    EXPECT_EQ(keypad.frame.findChildren<QPushButton*>().size(), 90);
}

struct PixelCase {
    int gap;
    int index;
    QPoint topLeft;
};

TEST(Keypad, PlacesButtonsInRowsOfTenForBothWindows) {
    // Twips divided by 15: forecast columns every 585 twips (39 px), draw-check every 555 (37 px).
    const PixelCase cases[] = {{60, 10, {16 + 9 * 39, 24}}, {60, 11, {16, 24 + 35}}, {60, 90, {367, 304}},
                               {30, 10, {16 + 9 * 37, 24}}, {30, 11, {16, 24 + 33}}, {30, 90, {16 + 9 * 37, 24 + 8 * 33}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "gap " << c.gap << " button " << c.index);
        KeypadFixture keypad;
        keypad.Build(static_cast<std::int16_t>(c.gap));
        EXPECT_EQ(keypad.buttons[c.index]->pos(), c.topLeft);
    }
}

TEST(Keypad, LastBelowFirstPlacesNothing) {
    KeypadFixture keypad;
    keypad.counter = 5;
    BuildKeypad(1, 0, 10, 60, 60, true, true, false, keypad.buttons, keypad.counter);
    EXPECT_EQ(keypad.buttons.size(), 1u);
    EXPECT_EQ(keypad.counter, 5);
    EXPECT_EQ(keypad.frame.findChildren<QPushButton*>().size(), 1);
}

TEST(Keypad, ReusesButtonsAlreadyInTheRow) {
    KeypadFixture keypad;
    BuildKeypad(1, 3, 10, 60, 60, false, false, false, keypad.buttons, keypad.counter);
    QPushButton* second = keypad.buttons[2];
    keypad.Build();
    EXPECT_EQ(keypad.buttons[2], second);
    EXPECT_EQ(keypad.frame.findChildren<QPushButton*>().size(), 90);
}

TEST(Keypad, WithoutCaptionsCopiesKeepTheTemplateCaption) {
    KeypadFixture keypad;
    keypad.Build(60, false, false);
    EXPECT_EQ(keypad.buttons[37]->text(), "1");
    EXPECT_EQ(keypad.counter, 0);
}

TEST(Keypad, BringToFrontRaisesEachButton) {
    KeypadFixture keypad;
    auto* cover = new QFrame(&keypad.frame);
    cover->setObjectName("cover");
    cover->show();
    BuildKeypad(1, 2, 10, 60, 60, false, true, true, keypad.buttons, keypad.counter);
    const auto order = keypad.frame.children();
    EXPECT_GT(order.indexOf(keypad.buttons[1]), order.indexOf(cover));
    EXPECT_GT(order.indexOf(keypad.buttons[2]), order.indexOf(cover));
}

// Walks the focus chain from `from` and collects the keypad's buttons in the order met.
std::vector<int> TabOrderOf(const KeypadButtons& buttons) {
    std::map<QWidget*, int> indexOf;
    for (const auto& [index, button] : buttons) indexOf[button] = index;
    std::vector<int> order;
    QWidget* widget = buttons.begin()->second;
    for (std::size_t step = 0; step < 4 * buttons.size() && order.size() < buttons.size(); ++step) {
        const auto found = indexOf.find(widget);
        if (found != indexOf.end()) order.push_back(found->second);
        widget = widget->nextInFocusChain();
    }
    return order;
}

TEST(Keypad, TabOrderAscendsOverRepeatedBuilds) {
    std::int32_t counter = 0;
    for (int build = 0; build < 3; ++build) {
        SCOPED_TRACE(build);
        KeypadFixture keypad;
        keypad.counter = counter;
        keypad.Build(build == 2 ? 30 : 60);
        counter = keypad.counter;
        std::vector<int> ascending(90);
        for (int i = 0; i < 90; ++i) ascending[static_cast<std::size_t>(i)] = i + 1;
        EXPECT_EQ(TabOrderOf(keypad.buttons), ascending);
        EXPECT_EQ(keypad.buttons[1]->property(kKeypadTabPositionProperty).toInt(), build * 90 + 1);
        EXPECT_EQ(keypad.buttons[90]->property(kKeypadTabPositionProperty).toInt(), build * 90 + 90);
    }
    EXPECT_EQ(counter, 270);
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
