#pragma once

#include <array>
#include <cstdint>

#include "interfaces/notification_icon.h"

// The three 16 x 16 tray pictures: a bell, the bell struck through in red (off), and the bell
// ringing, drawn once here for every kit and icon file.
namespace dawnquill::tray_pictures {

inline constexpr int kSize = 16;

// 32-bit 0xAARRGGBB pixels, the top row first; what is not the bell is fully transparent.
using Argb = std::array<std::uint32_t, static_cast<std::size_t>(kSize) * kSize>;
Argb ArgbPixels(TrayPicture picture);
inline bool Transparent(std::uint32_t argb) { return argb >> 24 == 0; }

}  // namespace dawnquill::tray_pictures
