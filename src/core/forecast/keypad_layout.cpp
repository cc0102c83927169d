#include "keypad_layout.h"

namespace ordavex {

std::vector<KeypadPlacement> LayOutKeypad(const KeypadGrid& grid, const TwipsPlace& keypadTemplate,
                                          bool assignTabPositions, std::int32_t& tabCounter,
                                          const KeypadWidthOf& widthOf) {
    std::vector<KeypadPlacement> placements;
    if (grid.last < grid.first) return placements;
    placements.reserve(static_cast<std::size_t>(grid.last - grid.first) + 1);

    int x = keypadTemplate.left;
    int y = keypadTemplate.top;
    int column = 0;
    for (int index = grid.first; index <= grid.last; ++index) {
        KeypadPlacement placement{index, x, y, 0};
        if (assignTabPositions) placement.tabPosition = ++tabCounter;
        placements.push_back(placement);

        const int width = widthOf ? widthOf(index) : keypadTemplate.width;
        x += width + grid.horizontalGap;
        if (++column == grid.perRow) {
            y += keypadTemplate.height + grid.verticalGap;
            x = keypadTemplate.left;
            column = 0;
        }
    }
    return placements;
}

}  // namespace ordavex
