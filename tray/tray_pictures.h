#pragma once

#include <array>
#include <cstdint>

#include "interfaces/notification_icon.h"

// The three 16 x 16 tray pictures: a bell, the bell struck through in red (off), and the bell
// ringing. Silver is the mask colour, drawn transparent.
namespace dawnquill::tray_pictures {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr int kSize = 16;
inline constexpr Rgb kMask{192, 192, 192};

using Picture = std::array<std::array<Rgb, kSize>, kSize>;  // [row][column]

Picture Draw(TrayPicture picture);

}  // namespace dawnquill::tray_pictures
