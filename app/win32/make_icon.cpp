// Writes the bell of the main window as a Windows icon file: one 16 x 16 image of 32 bits, the
// mask colour transparent. Built and run on the build machine.
//   make_icon OUTPUT.ico
#include <cstdint>
#include <cstdio>
#include <vector>

#include "tray/tray_pictures.h"

namespace {

void Put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

int main(int argc, char** argv) {
  namespace tp = dawnquill::tray_pictures;
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_icon OUTPUT.ico\n");
    return 2;
  }
  const tp::Picture bell = tp::Draw(dawnquill::TrayPicture::Armed);
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
  for (int row = kSize - 1; row >= 0; --row) {  // bottom row first
    for (int column = 0; column < kSize; ++column) {
      const tp::Rgb& c = bell[row][column];
      const bool clear = c == tp::kMask;
      Put(out, clear ? 0u : (0xFFu << 24) | (c.red << 16) | (c.green << 8) | c.blue, 4);
    }
  }
  for (int row = kSize - 1; row >= 0; --row) {
    std::uint32_t bits = 0;
    for (int column = 0; column < kSize; ++column) {
      if (bell[row][column] == tp::kMask) bits |= 0x80u >> (column % 8) << (8 * (column / 8));
    }
    Put(out, bits, 4);
  }
  std::FILE* file = std::fopen(argv[1], "wb");
  if (file == nullptr) return 1;
  const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
  return std::fclose(file) == 0 && written ? 0 : 1;
}
