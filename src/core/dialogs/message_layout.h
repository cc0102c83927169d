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

MessageLayout LayOutMessage(const std::string& text, const std::string& buttons);

}  // namespace ordavex
