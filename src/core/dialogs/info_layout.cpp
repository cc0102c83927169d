#include "info_layout.h"

#include "app/text_split.h"

namespace ordavex {

namespace {

// The window grows by one line pitch per line while the label grows by a slightly taller one,
// so long texts reach below the button's top edge (the button is drawn above the label).
constexpr int kWindowLinePitch = 235;
constexpr int kLabelLinePitch = 255;
constexpr int kOuterBase = 2250;
constexpr int kFrameBase = 1770;
constexpr int kButtonTopBase = 1145;

}  // namespace

InfoLayout LayOutInfo(const std::string& text) {
    InfoLayout layout;
    layout.lineCount = static_cast<int>(SplitText(text, '|').size());
    layout.outerHeight = kWindowLinePitch * layout.lineCount + kOuterBase;
    layout.frameHeight = kWindowLinePitch * layout.lineCount + kFrameBase;
    layout.labelHeight = kLabelLinePitch * layout.lineCount;
    layout.buttonTop = kWindowLinePitch * layout.lineCount + kButtonTopBase;
    layout.labelText = PipesToLineBreaks(text);
    return layout;
}

}  // namespace ordavex
