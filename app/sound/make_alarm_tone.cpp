// Writes the alarm's own tone, the sound it plays where the desktop offers none: two short beeps
// and a pause, 0.6 s to be played over and over. 8-bit mono at 8 kHz keeps it small enough to ride
// in the Windows executable.
//   make_alarm_tone FILE.wav
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

constexpr int kRate = 8000;
constexpr double kPitch = 988;  // B5: clear through small speakers

void Put(std::vector<unsigned char>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void Put(std::vector<unsigned char>& out, const char* text) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<unsigned char>(text[i]));
}

// Each beep fades in and out over 5 ms, which spares the speaker a click.
unsigned char Sample(int n) {
  const double t = static_cast<double>(n) / kRate;
  const double beeps[] = {0.0, 0.2};
  for (const double start : beeps) {
    const double into = t - start;
    if (into < 0 || into >= 0.1) continue;
    const double edge = std::fmin(1.0, std::fmin(into, 0.1 - into) / 0.005);
    return static_cast<unsigned char>(
        128 + std::lround(110 * edge * std::sin(2 * std::numbers::pi * kPitch * t)));
  }
  return 128;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_alarm_tone FILE.wav\n");
    return 2;
  }
  constexpr std::uint32_t kSamples = kRate * 6 / 10;
  std::vector<unsigned char> wav;
  Put(wav, "RIFF");
  Put(wav, 36 + kSamples, 4);
  Put(wav, "WAVE");
  Put(wav, "fmt ");
  Put(wav, 16, 4);     // the format's size
  Put(wav, 1, 2);      // PCM
  Put(wav, 1, 2);      // mono
  Put(wav, kRate, 4);  // samples a second
  Put(wav, kRate, 4);  // bytes a second
  Put(wav, 1, 2);      // bytes a frame
  Put(wav, 8, 2);      // bits a sample
  Put(wav, "data");
  Put(wav, kSamples, 4);
  for (std::uint32_t n = 0; n < kSamples; ++n) wav.push_back(Sample(static_cast<int>(n)));
  std::FILE* file = std::fopen(argv[1], "wb");
  if (file == nullptr || std::fwrite(wav.data(), 1, wav.size(), file) != wav.size() ||
      std::fclose(file) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  return 0;
}
