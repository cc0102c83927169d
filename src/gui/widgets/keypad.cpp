#include "widgets/keypad.h"

#include <QWidget>

#include "app/twips.h"
#include "forecast/keypad_layout.h"

namespace ordavex {

namespace {

// "cmdTastierino(1)" gives "cmdTastierino": the name shared by the whole row.
QString RowName(const QPushButton* button) {
    QString name = button->objectName();
    const auto bracket = name.indexOf('(');
    return bracket >= 0 ? name.left(bracket) : name;
}

int ToTwips(int pixels) { return pixels * kTwipsPerPixel; }

// A new member of the row: every setting of the template, hidden until it is placed.
QPushButton* CopyOfTemplate(const QPushButton* keypadTemplate, int index) {
    auto* button = new QPushButton(keypadTemplate->parentWidget());
    button->hide();
    button->setObjectName(QString("%1(%2)").arg(RowName(keypadTemplate)).arg(index));
    button->resize(keypadTemplate->size());
    button->setSizePolicy(keypadTemplate->sizePolicy());
    button->setMinimumSize(keypadTemplate->minimumSize());
    button->setMaximumSize(keypadTemplate->maximumSize());
    button->setFont(keypadTemplate->font());
    button->setPalette(keypadTemplate->palette());
    button->setAutoFillBackground(keypadTemplate->autoFillBackground());
    button->setStyleSheet(keypadTemplate->styleSheet());
    if (keypadTemplate->style() != keypadTemplate->parentWidget()->style()) button->setStyle(keypadTemplate->style());
    button->setFocusPolicy(keypadTemplate->focusPolicy());
    button->setFlat(keypadTemplate->isFlat());
    button->setCheckable(keypadTemplate->isCheckable());
    button->setAutoDefault(keypadTemplate->autoDefault());
    button->setDefault(false);
    button->setIcon(keypadTemplate->icon());
    button->setIconSize(keypadTemplate->iconSize());
    button->setText(keypadTemplate->text());
    button->setToolTip(keypadTemplate->toolTip());
    button->setAccessibleName(keypadTemplate->accessibleName());
    button->setAccessibleDescription(keypadTemplate->accessibleDescription());
    button->setCursor(keypadTemplate->cursor());
    button->setEnabled(keypadTemplate->isEnabled());
    button->setContentsMargins(keypadTemplate->contentsMargins());
    return button;
}

}  // namespace

void BuildKeypad(std::int16_t first, std::int16_t last, std::int16_t perRow, std::int16_t horizontalGap,
                 std::int16_t verticalGap, bool tabOrder, bool captions, bool bringToFront, KeypadButtons& buttons,
                 std::int32_t& keypadTabCounter) {
    const auto templateEntry = buttons.find(first);
    if (last < first || templateEntry == buttons.end() || templateEntry->second == nullptr) return;
    const QPushButton* keypadTemplate = templateEntry->second;
    const QRect designPlace = keypadTemplate->geometry();
    const TwipsPlace place{ToTwips(designPlace.x()), ToTwips(designPlace.y()), ToTwips(designPlace.width()),
                           ToTwips(designPlace.height())};
    const auto widthOf = [&buttons, &place](int index) {
        const auto found = buttons.find(index);
        return found != buttons.end() ? ToTwips(found->second->width()) : place.width;
    };
    const auto placements =
        LayOutKeypad({first, last, perRow, horizontalGap, verticalGap}, place, tabOrder, keypadTabCounter, widthOf);

    QPushButton* previous = nullptr;
    for (const auto& placement : placements) {
        // Only indexes above the highest present are missing: the row grows at its end.
        auto& button = buttons[placement.index];
        if (button == nullptr) button = CopyOfTemplate(keypadTemplate, placement.index);
        button->move(TwipsToPixels(placement.left), TwipsToPixels(placement.top));
        if (bringToFront) button->raise();
        button->show();
        if (captions) {
            button->setText(QString::number(placement.index));
            button->setAccessibleName(button->text());
        }
        if (tabOrder) {
            button->setProperty(kKeypadTabPositionProperty, placement.tabPosition);
            if (previous != nullptr) QWidget::setTabOrder(previous, button);
        }
        previous = button;
    }
}

void ConnectKeypad(const KeypadButtons& buttons, QObject* receiver, const std::function<void(int)>& onClick) {
    for (const auto& [index, button] : buttons) {
        QObject::disconnect(button, &QPushButton::clicked, receiver, nullptr);
        QObject::connect(button, &QPushButton::clicked, receiver, [onClick, index = index] { onClick(index); });
    }
}

}  // namespace ordavex
