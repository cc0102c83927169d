#pragma once

#include <QPushButton>
#include <cstdint>
#include <functional>
#include <map>

namespace ordavex {

// A row of keypad buttons addressed by index (the number each button stands for).
using KeypadButtons = std::map<int, QPushButton*>;

// Lays out the buttons first..last in rows of perRow, starting where the template (the button
// with index `first`, which must exist) stands. Missing buttons are created as copies of the
// template in the same container. With tabOrder, each placed button takes the next value of
// keypadTabCounter and the buttons follow one another in ascending order in the tab order;
// with captions, each shows its index; with bringToFront, each is raised above its siblings.
void BuildKeypad(std::int16_t first, std::int16_t last, std::int16_t perRow, std::int16_t horizontalGap,
                 std::int16_t verticalGap, bool tabOrder, bool captions, bool bringToFront, KeypadButtons& buttons,
                 std::int32_t& keypadTabCounter);

// The dynamic property in which BuildKeypad records the tab position a button took.
inline constexpr const char* kKeypadTabPositionProperty = "keypadTabPosition";

// Sends the clicks of every button of the row to one handler of the receiver, with the
// button's index; connections made earlier by the same receiver are replaced, not doubled.
void ConnectKeypad(const KeypadButtons& buttons, QObject* receiver, const std::function<void(int)>& onClick);

}  // namespace ordavex
