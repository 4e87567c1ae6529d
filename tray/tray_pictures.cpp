#include "tray/tray_pictures.h"

#include <span>
#include <utility>

namespace dawnquill::tray_pictures {
namespace {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Silver, the colour drawn transparent.
constexpr Rgb kMask{192, 192, 192};

using Picture = std::array<std::array<Rgb, kSize>, kSize>;  // [row][column]

constexpr Rgb kOutline{155, 105, 0};
constexpr Rgb kStroke{255, 0, 0};

// The body's shading by column, pale on the lit left side to deep gold on the right.
constexpr std::array<Rgb, 6> kShade{{
    {250, 240, 188},
    {248, 236, 182},
    {243, 224, 162},
    {234, 205, 129},
    {222, 177, 83},
    {206, 142, 24},
}};

struct Span {
  int row, first, last;
};

// The body is outlined where it borders the background, and shaded where it meets the knob,
// the rim or more of itself; so every one of the six shades shows somewhere.
void DrawBell(Picture& p) {
  constexpr Span knob[] = {{3, 7, 8}, {4, 7, 8}};
  constexpr Span body[] = {{5, 6, 9}, {6, 5, 10}, {7, 5, 10}, {8, 5, 10}, {9, 4, 11}};
  constexpr Span rimAndClapper[] = {{10, 5, 10}, {11, 7, 8}};
  std::array<std::array<bool, kSize + 2>, kSize + 2> bell{};  // with a border of background
  for (const std::span<const Span> spans :
       {std::span<const Span>(knob), std::span<const Span>(body),
        std::span<const Span>(rimAndClapper)}) {
    for (const auto& [row, first, last] : spans) {
      for (int column = first; column <= last; ++column) bell[row + 1][column + 1] = true;
    }
  }
  for (const std::span<const Span> spans :
       {std::span<const Span>(knob), std::span<const Span>(rimAndClapper)}) {
    for (const auto& [row, first, last] : spans) {
      for (int column = first; column <= last; ++column) p[row][column] = kOutline;
    }
  }
  for (const auto& [row, first, last] : body) {
    for (int column = first; column <= last; ++column) {
      const int r = row + 1;
      const int c = column + 1;
      const bool edge = !bell[r - 1][c] || !bell[r + 1][c] || !bell[r][c - 1] || !bell[r][c + 1];
      p[row][column] = edge ? kOutline : kShade[column - 5];
    }
  }
}

void DrawStroke(Picture& p) {
  constexpr Span stroke[] = {{3, 11, 12}, {4, 10, 12}, {5, 9, 11}, {6, 8, 10}, {7, 7, 9},
                             {8, 6, 8},   {9, 5, 7},   {10, 4, 6}, {11, 3, 5}, {12, 3, 4}};
  for (const auto& [row, first, last] : stroke)
    for (int column = first; column <= last; ++column) p[row][column] = kStroke;
}

void DrawRinging(Picture& p) {
  constexpr std::pair<int, int> angles[] = {{8, 3}, {9, 2}, {10, 3}, {8, 12}, {9, 13}, {10, 12}};
  for (const auto& [row, column] : angles) p[row][column] = kOutline;
}

Picture Draw(TrayPicture picture) {
  Picture p;
  for (auto& row : p) row.fill(kMask);
  DrawBell(p);
  switch (picture) {
    case TrayPicture::Armed:
      break;
    case TrayPicture::Off:
      DrawStroke(p);
      break;
    case TrayPicture::Ringing:
      DrawRinging(p);
      break;
  }
  return p;
}

}  // namespace

Argb ArgbPixels(TrayPicture picture) {
  const Picture drawn = Draw(picture);
  Argb pixels{};
  for (int row = 0; row < kSize; ++row) {
    for (int column = 0; column < kSize; ++column) {
      const Rgb& c = drawn[row][column];
      pixels[row * kSize + column] =
          c == kMask ? 0u : 0xFF000000u | (c.red << 16) | (c.green << 8) | c.blue;
    }
  }
  return pixels;
}

}  // namespace dawnquill::tray_pictures
