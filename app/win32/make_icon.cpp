// Writes the bell of the main window as a Windows icon file, one image for each size the shell
// asks for, each drawn at its size: 16 to 48 pixels as 32-bit bitmaps with their masks, and 256
// as a PNG, which keeps the largest image small; and the installer's welcome picture, the bell
// drawn large on white, in the size the wizard's side panel takes. Built and run on the build
// machine.
//   make_icon OUTPUT.ico WELCOME.bmp
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <vector>

#include <zlib.h>

#include "tray/tray_pictures.h"

namespace {

namespace tp = dawnquill::tray_pictures;
using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void PutBigEndian(Bytes& out, std::uint32_t value) {
  for (int i = 3; i >= 0; --i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

bool Write(const char* path, const Bytes& out) {
  std::FILE* file = std::fopen(path, "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
  return std::fclose(file) == 0 && written;
}

// A bitmap image as an icon file holds it: the header with twice the height, the colours bottom
// row first, then the mask, 1 where transparent, each row padded to 32 bits.
Bytes BitmapImage(const tp::Argb& pixels, int size) {
  const int maskRow = (size + 31) / 32 * 4;
  Bytes out;
  Put(out, 40, 4), Put(out, size, 4), Put(out, size * 2, 4), Put(out, 1, 2), Put(out, 32, 2);
  Put(out, 0, 4), Put(out, size * size * 4 + size * maskRow, 4);
  Put(out, 0, 4), Put(out, 0, 4), Put(out, 0, 4), Put(out, 0, 4);
  for (int row = size - 1; row >= 0; --row) {
    for (int column = 0; column < size; ++column) Put(out, pixels[row * size + column], 4);
  }
  const Bytes mask = tp::TransparencyMask(pixels, size, maskRow);
  for (int row = size - 1; row >= 0; --row) {
    const auto first = mask.begin() + static_cast<std::ptrdiff_t>(row) * maskRow;
    out.insert(out.end(), first, first + maskRow);
  }
  return out;
}

void PutChunk(Bytes& out, const char* type, const Bytes& data) {
  PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian(out, crc32(0, out.data() + start, static_cast<uInt>(out.size() - start)));
}

// RGBA rows, each behind a filter byte of 0 (none).
Bytes PngImage(const tp::Argb& pixels, int size) {
  Bytes rows;
  for (int at = 0; at < size * size; ++at) {
    if (at % size == 0) rows.push_back(0);
    const std::uint32_t c = pixels[at];
    for (const int shift : {16, 8, 0, 24}) rows.push_back(static_cast<std::uint8_t>(c >> shift));
  }
  Bytes packed(compressBound(rows.size()));
  uLongf packedSize = packed.size();
  if (compress2(packed.data(), &packedSize, rows.data(), rows.size(), Z_BEST_COMPRESSION) != Z_OK) {
    return {};
  }
  packed.resize(packedSize);
  Bytes header;
  PutBigEndian(header, size), PutBigEndian(header, size);
  header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits a channel, RGBA, no interlace
  Bytes out{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", packed);
  PutChunk(out, "IEND", {});
  return out;
}

Bytes IconFile() {
  constexpr int kSizes[] = {16, 20, 24, 32, 48, 256};
  constexpr int kCount = std::size(kSizes);
  std::vector<Bytes> images;
  for (const int size : kSizes) {
    const tp::Argb pixels = tp::ArgbPixels(dawnquill::TrayPicture::Armed, size);
    images.push_back(size == 256 ? PngImage(pixels, size) : BitmapImage(pixels, size));
    if (images.back().empty()) return {};
  }
  Bytes out;
  Put(out, 0, 2), Put(out, 1, 2), Put(out, kCount, 2);  // an icon file
  std::uint32_t offset = 6 + 16 * kCount;
  for (int i = 0; i < kCount; ++i) {
    Put(out, kSizes[i] % 256, 1), Put(out, kSizes[i] % 256, 1);  // 0 stands for 256
    Put(out, 0, 2), Put(out, 1, 2), Put(out, 32, 2);             // no palette; 32 bits
    Put(out, images[i].size(), 4), Put(out, offset, 4);
    offset += images[i].size();
  }
  for (const Bytes& image : images) out.insert(out.end(), image.begin(), image.end());
  return out;
}

// 164 x 314 pixels of 24 bits, whose rows need no padding.
Bytes Welcome() {
  constexpr int kWidth = 164, kHeight = 314, kBell = 96, kTop = 60;
  constexpr int kLeft = (kWidth - kBell) / 2;
  constexpr std::uint32_t kPixels = kWidth * kHeight * 3;
  const tp::Argb bell = tp::ArgbPixels(dawnquill::TrayPicture::Armed, kBell);
  Bytes out;
  Put(out, 0x4D42, 2), Put(out, 54 + kPixels, 4), Put(out, 0, 4), Put(out, 54, 4);
  Put(out, 40, 4), Put(out, kWidth, 4), Put(out, kHeight, 4), Put(out, 1, 2), Put(out, 24, 2);
  Put(out, 0, 4), Put(out, kPixels, 4), Put(out, 0, 4), Put(out, 0, 4), Put(out, 0, 4);
  Put(out, 0, 4);
  for (int y = kHeight - 1; y >= 0; --y) {  // bottom row first
    for (int x = 0; x < kWidth; ++x) {
      const int row = y - kTop, column = x - kLeft;
      const bool inBell = row >= 0 && column >= 0 && row < kBell && column < kBell;
      const std::uint32_t c = inBell ? bell[row * kBell + column] : 0;
      const std::uint32_t alpha = c >> 24;
      for (const int shift : {0, 8, 16}) {  // blue, green, red, over white
        const std::uint32_t channel = c >> shift & 0xFF;
        Put(out, (channel * alpha + 255 * (255 - alpha)) / 255, 1);
      }
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
  const Bytes icon = IconFile();
  return !icon.empty() && Write(argv[1], icon) && Write(argv[2], Welcome()) ? 0 : 1;
}
