// Writes the bell of the main window as a Windows icon file: one 16 x 16 image of 32 bits, the
// mask colour transparent; and the installer's welcome picture, the bell six times as large on
// white, in the size the wizard's side panel takes. Built and run on the build machine.
//   make_icon OUTPUT.ico WELCOME.bmp
#include <cstdint>
#include <cstdio>
#include <vector>

#include "tray/tray_pictures.h"

namespace {

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

namespace tp = dawnquill::tray_pictures;

bool Write(const char* path, const std::vector<std::uint8_t>& out) {
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
  return std::fclose(file) == 0 && written;
}

// 164 x 314 pixels of 24 bits, whose rows need no padding.
std::vector<std::uint8_t> Welcome(const tp::Argb& bell) {
  constexpr int kWidth = 164, kHeight = 314, kScale = 6, kTop = 60;
  constexpr int kLeft = (kWidth - tp::kSize * kScale) / 2;
  constexpr std::uint32_t kPixels = kWidth * kHeight * 3;
  std::vector<std::uint8_t> out;
  Put(out, 0x4D42, 2), Put(out, 54 + kPixels, 4), Put(out, 0, 4), Put(out, 54, 4);
  Put(out, 40, 4), Put(out, kWidth, 4), Put(out, kHeight, 4), Put(out, 1, 2), Put(out, 24, 2);
  Put(out, 0, 4), Put(out, kPixels, 4), Put(out, 0, 4), Put(out, 0, 4), Put(out, 0, 4);
  Put(out, 0, 4);
  for (int y = kHeight - 1; y >= 0; --y) {  // bottom row first
    for (int x = 0; x < kWidth; ++x) {
      const int row = (y - kTop) / kScale, column = (x - kLeft) / kScale;
      const bool inBell = y >= kTop && x >= kLeft && row < tp::kSize && column < tp::kSize;
      const std::uint32_t c = inBell ? bell[row * tp::kSize + column] : 0;
      Put(out, tp::Transparent(c) ? 0xFFFFFFu : c, 3);  // blue, green, red
    }
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_icon OUTPUT.ico WELCOME.bmp\n");
    return 2;
  }
  constexpr int kSize = tp::kSize;
  constexpr std::uint32_t kMaskRow = 4;  // 16 bits, padded to 32
  constexpr std::uint32_t kImage = 40 + kSize * kSize * 4 + kSize * kMaskRow;
  std::vector<std::uint8_t> out;
  Put(out, 0, 2), Put(out, 1, 2), Put(out, 1, 2);          // icon file, one image
  Put(out, kSize, 1), Put(out, kSize, 1), Put(out, 0, 2);  // 16 x 16, no palette
  Put(out, 1, 2), Put(out, 32, 2), Put(out, kImage, 4), Put(out, 22, 4);
  Put(out, 40, 4), Put(out, kSize, 4), Put(out, kSize * 2, 4);  // header: twice the height
  Put(out, 1, 2), Put(out, 32, 2), Put(out, 0, 4),
      Put(out, kSize * kSize * 4 + kSize * kMaskRow, 4);
  Put(out, 0, 4), Put(out, 0, 4), Put(out, 0, 4), Put(out, 0, 4);
  const tp::Argb pixels = tp::ArgbPixels(dawnquill::TrayPicture::Armed);
  for (int row = kSize - 1; row >= 0; --row) {  // bottom row first
    for (int column = 0; column < kSize; ++column) Put(out, pixels[row * kSize + column], 4);
  }
  for (int row = kSize - 1; row >= 0; --row) {
    std::uint32_t bits = 0;
    for (int column = 0; column < kSize; ++column) {
      if (tp::Transparent(pixels[row * kSize + column])) {
        bits |= 0x80u >> (column % 8) << (8 * (column / 8));
      }
    }
    Put(out, bits, 4);
  }
  return Write(argv[1], out) && Write(argv[2], Welcome(pixels)) ? 0 : 1;
}
