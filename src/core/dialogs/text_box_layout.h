#pragma once

#include <string>

namespace ordavex {

// The message dialog and the information window are a frame holding a picture, a text label and
// buttons below it; they grow by a fixed pitch per line of text. Sizes in twips.
struct TextBoxLayout {
    int lineCount = 0;      // L: pieces of the text split at "|"
    int outerHeight = 0;    // window height with title bar and borders
    int frameHeight = 0;    // height of the frame
    int labelHeight = 0;    // height of the text label
    int buttonTop = 0;      // top of every button
    std::string labelText;  // the text with "|" turned into line breaks, leading blanks kept
};

// How a window of this kind grows: the window by windowLinePitch per line from its bases, the
// label by labelLinePitch per line.
struct TextBoxGrowth {
    int windowLinePitch;
    int labelLinePitch;
    int outerBase;
    int frameBase;
    int buttonTopBase;
};

TextBoxLayout LayOutTextBox(const std::string& text, const TextBoxGrowth& growth);

}  // namespace ordavex
