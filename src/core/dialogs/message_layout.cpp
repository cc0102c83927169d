#include "message_layout.h"

#include "app/text_split.h"

namespace ordavex {

namespace {

constexpr int kLineHeight = 275;
constexpr int kOuterBase = 2450;
constexpr int kFrameBase = 2000;
constexpr int kButtonTopBase = 1400;

struct ButtonRow {
    int firstLeft;
    int gap;
};

// First left and gap of each supported number of buttons (index = count).
constexpr ButtonRow kRows[] = {{0, 0}, {1700, 0}, {1000, 60}, {185, 70}};

}  // namespace

MessageLayout LayOutMessage(const std::string& text, const std::string& buttons) {
    MessageLayout layout;
    static_cast<TextBoxLayout&>(layout) =
        LayOutTextBox(text, {kLineHeight, kLineHeight, kOuterBase, kFrameBase, kButtonTopBase});
    layout.captions = SplitText(buttons, ',');

    const auto count = layout.captions.size();
    if (count >= 1 && count <= 3) {
        int left = kRows[count].firstLeft;
        for (std::size_t i = 0; i < count; ++i) {
            layout.buttonLefts.push_back(left);
            left += kMessageButtonWidth + kRows[count].gap;
        }
    }
    return layout;
}

}  // namespace ordavex
