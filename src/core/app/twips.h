#pragma once

namespace ordavex {

// Window geometry is designed in twips; 15 twips make one pixel at 96 dots per inch.
constexpr int kTwipsPerPixel = 15;

// A rectangle of a window's design, in twips.
struct TwipsPlace {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

constexpr int TwipsToPixels(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

// The designed outer heights include the title bar and the borders; the client area is
// this much smaller.
constexpr int kWindowNonClientTwips = 450;

}  // namespace ordavex
