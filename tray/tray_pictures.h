#pragma once

#include <cstdint>
#include <vector>

#include "interfaces/notification_icon.h"

// The three tray pictures: a bell, the bell struck through in red (off), and the bell ringing,
// drawn once here for every kit and icon file. At 16 pixels each pixel is placed by hand; every
// other size is drawn from the bell's outline at that size, its edges smoothed, so that a large
// icon is as sharp as a small one.
namespace dawnquill::tray_pictures {

inline constexpr int kPixelledSize = 16;

// size x size 32-bit 0xAARRGGBB pixels, not premultiplied, the top row first; what is not the bell
// is fully transparent.
using Argb = std::vector<std::uint32_t>;
Argb ArgbPixels(TrayPicture picture, int size = kPixelledSize);
inline bool Transparent(std::uint32_t argb) { return argb >> 24 == 0; }
// The mask Windows keeps beside an icon's colours: a bit a pixel, 1 where transparent, the
// leftmost pixel in the highest bit, the top row first, each row padded to rowBytes.
std::vector<std::uint8_t> TransparencyMask(const Argb& pixels, int size, int rowBytes);

}  // namespace dawnquill::tray_pictures
