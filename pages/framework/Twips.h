// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Page lengths are twips: 1440 to the inch, 15 to the pixel at 96 dots per inch.
// Qt's pixels are device-independent, so 15 twips per pixel holds on any screen.

namespace vantorelle {

inline constexpr int TwipsPerPixel = 15;

// A length that is not a whole number of pixels is cut down to one that fits
// (a window narrowed to 10784 twips is 718 pixels wide, not 719).
constexpr int pixelsFromTwips(int twips)
{
    return twips >= 0 ? twips / TwipsPerPixel : -((-twips + TwipsPerPixel - 1) / TwipsPerPixel);
}

constexpr int twipsFromPixels(int pixels) { return pixels * TwipsPerPixel; }

}  // namespace vantorelle
