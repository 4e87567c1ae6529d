#include "tray/tray_pictures.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
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

constexpr int kSize = kPixelledSize;
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

Argb Pixelled(TrayPicture picture) {
  const Picture drawn = Draw(picture);
  Argb pixels(static_cast<std::size_t>(kSize) * kSize);
  for (int row = 0; row < kSize; ++row) {
    for (int column = 0; column < kSize; ++column) {
      const Rgb& c = drawn[row][column];
      pixels[row * kSize + column] =
          c == kMask ? 0u : 0xFF000000u | (c.red << 16) | (c.green << 8) | c.blue;
    }
  }
  return pixels;
}

// The same bell as a shape, in the 16-pixel grid's units, for drawing at any size.
struct Point {
  double x, y;
};

double Squared(double value) { return value * value; }

bool InCircle(Point p, Point centre, double radius) {
  return Squared(p.x - centre.x) + Squared(p.y - centre.y) <= Squared(radius);
}

double ToSegment(Point p, Point a, Point b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double along =
      std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(p.x - a.x - along * dx, p.y - a.y - along * dy);
}

// A dome that flares towards the rim.
bool InBody(Point p) {
  if (InCircle(p, {8, 7.2}, 3)) return true;
  return p.y >= 7.2 && p.y <= 10 && std::abs(p.x - 8) <= 3 + 1.2 * Squared((p.y - 7.2) / 2.8);
}

// The knob, the rim and the clapper, all in the outline's colour.
bool InFittings(Point p) {
  const bool rim = p.y >= 9.9 && p.y <= 11 && std::abs(p.x - 8) <= 3.2;
  return rim || InCircle(p, {8, 4.1}, 1) || InCircle(p, {8, 11.4}, 0.9);
}

Rgb ShadeAt(double x) {
  const double at = std::clamp((x - 5) * 5 / 6, 0.0, 5.0);
  const int low = std::min(static_cast<int>(at), 4);
  const double toHigh = at - low;
  const auto mix = [toHigh](std::uint8_t from, std::uint8_t to) {
    return static_cast<std::uint8_t>(std::lround(from + (to - from) * toHigh));
  };
  const Rgb& a = kShade[low];
  const Rgb& b = kShade[low + 1];
  return {mix(a.red, b.red), mix(a.green, b.green), mix(a.blue, b.blue)};
}

// As the pixelled bell: outlined where the body borders the background, shaded inside.
std::optional<Rgb> BellAt(Point p, double outline) {
  if (InFittings(p)) return kOutline;
  if (!InBody(p)) return std::nullopt;
  constexpr double kDiagonal = 0.7071;
  constexpr std::pair<double, double> kAround[] = {{1, 0},
                                                   {-1, 0},
                                                   {0, 1},
                                                   {0, -1},
                                                   {kDiagonal, kDiagonal},
                                                   {kDiagonal, -kDiagonal},
                                                   {-kDiagonal, kDiagonal},
                                                   {-kDiagonal, -kDiagonal}};
  for (const auto& [dx, dy] : kAround) {
    const Point near{p.x + dx * outline, p.y + dy * outline};
    if (!InBody(near) && !InFittings(near)) return kOutline;
  }
  return ShadeAt(p.x);
}

std::optional<Rgb> MarkAt(TrayPicture picture, Point p) {
  switch (picture) {
    case TrayPicture::Armed:
      break;
    case TrayPicture::Off:
      if (ToSegment(p, {12.1, 3.8}, {3.9, 12.2}) <= 0.9) return kStroke;
      break;
    case TrayPicture::Ringing: {
      const Point side{std::min(p.x, 16 - p.x), p.y};  // the two sides mirror each other
      constexpr Point kTip{2.5, 9.5};
      if (ToSegment(side, {3.6, 8.2}, kTip) <= 0.45 || ToSegment(side, kTip, {3.6, 10.8}) <= 0.45) {
        return kOutline;
      }
      break;
    }
  }
  return std::nullopt;
}

// Each pixel takes the mean colour of the samples inside the picture, and as much opacity as
// their share of all its samples.
Argb Drawn(TrayPicture picture, int size) {
  constexpr int kSamples = 4;  // along each side of a pixel
  const double unit = static_cast<double>(kSize) / size;
  const double outline = std::max(unit, 0.55);  // a pixel wide, and never lost in a large icon
  Argb pixels(static_cast<std::size_t>(size) * size);
  for (int row = 0; row < size; ++row) {
    for (int column = 0; column < size; ++column) {
      int covered = 0;
      std::array<int, 3> sum{};
      for (int i = 0; i < kSamples * kSamples; ++i) {
        const int across = i % kSamples;
        const int down = i / kSamples;
        const Point p{(column + (across + 0.5) / kSamples) * unit,
                      (row + (down + 0.5) / kSamples) * unit};
        std::optional<Rgb> c = MarkAt(picture, p);
        if (!c) c = BellAt(p, outline);
        if (!c) continue;
        ++covered;
        sum[0] += c->red, sum[1] += c->green, sum[2] += c->blue;
      }
      if (covered == 0) continue;
      std::uint32_t argb = 255 * covered / (kSamples * kSamples);
      for (const int channel : sum)
        argb = argb << 8 | static_cast<std::uint32_t>(channel / covered);
      pixels[static_cast<std::size_t>(row) * size + column] = argb;
    }
  }
  return pixels;
}

}  // namespace

Argb ArgbPixels(TrayPicture picture, int size) {
  return size == kSize ? Pixelled(picture) : Drawn(picture, size);
}

std::vector<std::uint8_t> TransparencyMask(const Argb& pixels, int size, int rowBytes) {
  std::vector<std::uint8_t> mask(static_cast<std::size_t>(rowBytes) * size);
  for (int row = 0; row < size; ++row) {
    for (int column = 0; column < size; ++column) {
      if (Transparent(pixels[static_cast<std::size_t>(row) * size + column])) {
        mask[static_cast<std::size_t>(row) * rowBytes + column / 8] |=
            static_cast<std::uint8_t>(0x80 >> (column % 8));
      }
    }
  }
  return mask;
}

}  // namespace dawnquill::tray_pictures
