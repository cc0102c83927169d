#pragma once

#include <string>

#include "app/twips.h"

namespace ordavex {

// How a message-like window grows: the window by windowLinePitch per line of text from its bases,
// the label by labelLinePitch per line.
struct TextBoxGrowth {
    int windowLinePitch;
    int labelLinePitch;
    int outerBase;
    int frameBase;
    int buttonTopBase;
};

// The design of a message-like window (the message dialog, the information window): a frame
// holding a picture, a text label and buttons below it, in a window of fixed width. The heights of
// the frame and the label and the top of the buttons follow the text, so those members of their
// places are not read.
struct TextBoxGeometry {
    int clientWidth;
    TwipsPlace frame;
    TwipsPlace picture;
    TwipsPlace label;
    TwipsPlace button;  // the design's button; its top follows the text
    TextBoxGrowth growth;
};

// A message-like window laid out for one text. Sizes in twips.
struct TextBoxLayout {
    int lineCount = 0;      // L: pieces of the text split at "|"
    int outerHeight = 0;    // window height with title bar and borders
    int frameHeight = 0;    // height of the frame
    int labelHeight = 0;    // height of the text label
    int buttonTop = 0;      // top of every button
    std::string labelText;  // the text with "|" turned into line breaks, leading blanks kept
};

TextBoxLayout LayOutTextBox(const std::string& text, const TextBoxGeometry& geometry);

// The two windows of this kind, each as: client width; the frame, picture, label and button as
// left, top, width, height; the growth.
inline constexpr TextBoxGeometry kMessageGeometry{
    4815, {30, 0, 4725}, {1170, 210, 2400, 600}, {210, 1050, 4275}, {210, 0, 1400, 465}, {275, 275, 2450, 2000, 1400}};
// The information window grows by one line pitch per line while its label grows by a slightly
// taller one, so long texts reach below the button's top edge (the button is drawn above the label).
inline constexpr TextBoxGeometry kInfoGeometry{
    8955, {60, 0, 8775}, {4110, 180, 720, 720}, {270, 1035, 8235}, {3720, 0, 1400, 465}, {235, 255, 2250, 1770, 1145}};

}  // namespace ordavex
