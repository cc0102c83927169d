#pragma once

#include <string>

#include "dialogs/text_box_layout.h"

namespace ordavex {

// Where the information window puts fraInfo, lblInfo and cmdInfo for a given help text.
using InfoLayout = TextBoxLayout;

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
