#include "info_layout.h"

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
    return LayOutTextBox(text, {kWindowLinePitch, kLabelLinePitch, kOuterBase, kFrameBase, kButtonTopBase});
}

}  // namespace ordavex
