#pragma once

#include <string>

namespace ordavex {

// Where the information window puts its parts for a given help text, in twips.
struct InfoLayout {
    int lineCount = 0;    // L: pieces of the text split at "|"
    int outerHeight = 0;  // window height with title bar and borders
    int frameHeight = 0;  // height of fraInfo
    int labelHeight = 0;  // height of lblInfo
    int buttonTop = 0;    // top of cmdInfo
    std::string labelText;  // the text with "|" turned into line breaks, leading blanks kept
};

constexpr int kInfoClientWidth = 8955;
constexpr int kInfoFrameLeft = 60;
constexpr int kInfoFrameTop = 0;
constexpr int kInfoFrameWidth = 8775;
constexpr int kInfoPictureLeft = 4110;
constexpr int kInfoPictureTop = 180;
constexpr int kInfoPictureSize = 720;
constexpr int kInfoLabelLeft = 270;
constexpr int kInfoLabelTop = 1035;
constexpr int kInfoLabelWidth = 8235;
constexpr int kInfoButtonLeft = 3720;
constexpr int kInfoButtonWidth = 1400;
constexpr int kInfoButtonHeight = 465;

InfoLayout LayOutInfo(const std::string& text);

}  // namespace ordavex
