#include "widgets/number_keypad.h"

#include <QEvent>
#include <QFont>
#include <QWidget>

#include "app/app_state.h"
#include "widgets/ui_style.h"

namespace ordavex {

namespace {

constexpr int kButtonWidth = 525;
constexpr int kButtonHeight = 465;
constexpr std::int16_t kButtonsPerRow = 10;

}  // namespace

NumberKeypad::NumberKeypad(const NumberKeypadDesign& design, const QColor& buttonFace)
    : design_(design), buttonFace_(buttonFace) {}

void NumberKeypad::Clear() {
    for (auto& [index, button] : buttons_) delete button;
    buttons_.clear();
}

void NumberKeypad::PlaceTemplate(QWidget* frame) {
    auto* keypadTemplate = new QPushButton("1", frame);
    keypadTemplate->setObjectName(QString("%1(1)").arg(design_.rowName));
    keypadTemplate->setGeometry(TwipsRect(design_.templateLeft, design_.templateTop, kButtonWidth, kButtonHeight));
    keypadTemplate->setFont(DesignFont(kSegoeUi, kLargePoints));
    keypadTemplate->setAccessibleName("1");
    keypadTemplate->setAutoDefault(design_.autoDefault);
    // A filled background lets the button show the colour of its number's state.
    SetBackground(keypadTemplate, buttonFace_);
    buttons_[kLowestNumber] = keypadTemplate;
}

void NumberKeypad::Grow(std::int32_t& tabCounter, QObject* receiver, const std::function<void(int)>& onClick) {
    BuildKeypad(kLowestNumber, kHighestNumber, kButtonsPerRow, design_.gap, design_.gap, true, true, false, buttons_,
                tabCounter);
    ConnectKeypad(buttons_, receiver, onClick);
}

QPushButton* NumberKeypad::Button(int n) const {
    const auto found = buttons_.find(n);
    return found != buttons_.end() ? found->second : nullptr;
}

QPushButton* NumberKeypad::First() const { return Button(kLowestNumber); }

QPushButton* NumberKeypad::Last() const { return Button(kHighestNumber); }

void NumberKeypad::ColourAll(const std::function<QColor(int)>& colourOf) const {
    for (int n = kLowestNumber; n <= kHighestNumber; ++n) Colour(n, colourOf(n));
}

void NumberKeypad::Colour(int n, const QColor& colour) const { SetBackground(Button(n), colour); }

void NumberKeypad::SetBold(int n, bool bold) const {
    QPushButton* button = Button(n);
    QFont font = button->font();
    font.setBold(bold);
    button->setFont(font);
}

void NumberKeypad::FocusFirst() const { First()->setFocus(Qt::OtherFocusReason); }

bool IsKeyOfShownWindow(const QObject* watched, const QEvent* event, const QWidget* window) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    const auto* widget = static_cast<const QWidget*>(watched);
    return widget->window() == window && window->isVisible();
}

}  // namespace ordavex
