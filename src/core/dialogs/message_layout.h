#pragma once

#include <string>
#include <vector>

#include "dialogs/text_box_layout.h"

namespace ordavex {

// Where the message dialog puts fraMessage, lblMessage and its buttons for a given text and
// caption list, in twips.
struct MessageLayout : TextBoxLayout {
    std::vector<std::string> captions;  // as given, blanks kept
    // Lefts of the buttons laid out, one per caption; empty when the caption count is not 1..3,
    // in which case the design button stays blank at its design left.
    std::vector<int> buttonLefts;
};

constexpr int kMessageClientWidth = 4815;
constexpr int kMessageFrameLeft = 30;
constexpr int kMessageFrameWidth = 4725;
constexpr int kMessageLogoLeft = 1170;
constexpr int kMessageLogoTop = 210;
constexpr int kMessageLogoWidth = 2400;
constexpr int kMessageLogoHeight = 600;
constexpr int kMessageLabelLeft = 210;
constexpr int kMessageLabelTop = 1050;
constexpr int kMessageLabelWidth = 4275;
constexpr int kMessageButtonDesignLeft = 210;
constexpr int kMessageButtonWidth = 1400;
constexpr int kMessageButtonHeight = 465;

MessageLayout LayOutMessage(const std::string& text, const std::string& buttons);

}  // namespace ordavex
