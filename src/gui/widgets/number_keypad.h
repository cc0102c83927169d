#pragma once

#include <QColor>
#include <cstdint>
#include <functional>

#include "widgets/keypad.h"

class QEvent;
class QFont;
class QWidget;

namespace ordavex {

// Where a window puts its keypad and how its buttons behave; everything else (size, font,
// rows of ten, captions, tab order) is the same in every window.
struct NumberKeypadDesign {
    const char* rowName;  // objectName of the row: the buttons are rowName(1)..rowName(90)
    int templateLeft;     // twips, inside the keypad's frame
    int templateTop;
    std::int16_t gap;  // between buttons, across and down, twips
    // Whether Enter on a number button presses the window's default button instead.
    bool autoDefault;
};

// The keypad of the numbers 1 to 90: a template button at its design place, grown into rows of
// ten copies when the window loads, each button coloured by its number's state.
class NumberKeypad {
public:
    NumberKeypad(const NumberKeypadDesign& design, const QColor& buttonFace);

    // Deletes the buttons of a previous opening: the row starts again from its template.
    void Clear();
    // Places the template button, number 1, in the keypad's frame.
    void PlaceTemplate(QWidget* frame);
    // Grows the row to 90 buttons, numbering their tab positions from tabCounter, and sends each
    // click to onClick with the button's number.
    void Grow(std::int32_t& tabCounter, QObject* receiver, const std::function<void(int)>& onClick);

    QPushButton* Button(int n) const;
    QPushButton* First() const;
    QPushButton* Last() const;
    // Colours every button with the colour its number's state asks for; the face colour is the
    // colour of a button without state.
    void ColourAll(const std::function<QColor(int)>& colourOf) const;
    void Colour(int n, const QColor& colour) const;
    const QColor& Face() const { return buttonFace_; }
    void SetBold(int n, bool bold) const;
    void FocusFirst() const;

private:
    NumberKeypadDesign design_;
    QColor buttonFace_;
    KeypadButtons buttons_;
};

// True for a key pressed on any control of `window` while it is shown: the windows with a
// keypad see every key of their controls, buttons made at run time included.
bool IsKeyOfShownWindow(const QObject* watched, const QEvent* event, const QWidget* window);

}  // namespace ordavex
