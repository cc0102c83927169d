#include "message_layout.h"

#include "app/text_split.h"

namespace ordavex {

namespace {

struct ButtonRow {
    int firstLeft;
    int gap;
};

// First left and gap of each supported number of buttons (index = count).
constexpr ButtonRow kRows[] = {{0, 0}, {1700, 0}, {1000, 60}, {185, 70}};

}  // namespace

MessageLayout LayOutMessage(const std::string& text, const std::string& buttons) {
    MessageLayout layout;
    static_cast<TextBoxLayout&>(layout) = LayOutTextBox(text, kMessageGeometry);
    layout.captions = SplitText(buttons, ',');

    const auto count = layout.captions.size();
    if (count >= 1 && count <= 3) {
        int left = kRows[count].firstLeft;
        for (std::size_t i = 0; i < count; ++i) {
            layout.buttonLefts.push_back(left);
            left += kMessageGeometry.button.width + kRows[count].gap;
        }
    }
    return layout;
}

}  // namespace ordavex
