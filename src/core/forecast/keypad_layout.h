#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "app/twips.h"

namespace ordavex {

// How a keypad is laid out: the buttons first..last, perRow of them to a row, with the gaps
// between neighbours and between rows. Every length is in twips.
struct KeypadGrid {
    int first = 1;
    int last = 0;
    int perRow = 1;
    int horizontalGap = 0;
    int verticalGap = 0;
};

// Where one button of the keypad goes, and the tab position it takes (0 when tab positions
// are not assigned).
struct KeypadPlacement {
    int index = 0;
    int left = 0;
    int top = 0;
    std::int32_t tabPosition = 0;
};

// The width of button `index`: the template's for every button made as its copy.
using KeypadWidthOf = std::function<int(int index)>;

// Places the buttons in ascending order of their indexes, the first where the template button
// stands inside its container. A row advances by each button's own
// width plus the horizontal gap; a new row starts at the template's left edge, one template
// height plus the vertical gap lower, after every perRow buttons (a perRow not above zero never
// closes a row). With assignTabPositions each placed button takes the next value of
// tabCounter, which is advanced first; a last index below the first places nothing and leaves
// the counter alone.
std::vector<KeypadPlacement> LayOutKeypad(const KeypadGrid& grid, const TwipsPlace& keypadTemplate,
                                          bool assignTabPositions, std::int32_t& tabCounter,
                                          const KeypadWidthOf& widthOf = {});

}  // namespace ordavex
