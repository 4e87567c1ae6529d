#include <algorithm>

#include <gtest/gtest.h>

#include "fakes/rig.h"
#include "tray/tray_pictures.h"

namespace dawnquill::testing {
namespace {

TEST(TrayMenu, TheIconAndItsMenuShowAndHideTheMainWindow) {
  struct Step {
    std::function<void(Program&)> act;
    Log log;
  };
  const auto showHide = [](Program& p) { p.trayMenu.Choose(TrayCommand::ShowHide); };
  const auto activate = [](Program& p) { p.trayMenu.Activated(); };
  const Step steps[] = {
      {activate, {"main.Show"}},  // shows even when already visible
      {showHide, {"main.Hide"}},  // not hidden by the program: Show/Hide hides
      {showHide, {"main.Show"}},
      {[](Program& p) { p.mainWindow.Click(MainControl::ToTrayButton); }, {"main.Hide"}},
      {[](Program& p) { p.trayMenu.MenuRequested(); }, {"main.OpenMenu"}},
      {activate, {"main.Show"}},
      {showHide, {"main.Hide"}},  // shown by the icon: Show/Hide hides again
  };
  Rig rig;
  for (const auto& step : steps) {
    rig.log.clear();
    step.act(rig.program);
    EXPECT_EQ(rig.log, step.log);
  }
}

TEST(TrayMenu, WithoutANotificationAreaEveryHideMinimises) {
  Rig rig(Rig::NotStarted);
  rig.hasArea = false;
  rig.StartProgram();
  rig.program.mainWindow.Click(MainControl::ToTrayButton);
  rig.program.mainWindow.Click(MainControl::ShowHideItem);  // hidden by the program: shows
  rig.program.mainWindow.Click(MainControl::ShowHideItem);
  rig.Arm("7", "0");
  rig.program.mainWindow.CloseRequested(CloseReason::User);
  EXPECT_EQ(rig.Only("main.Hide"), Log{});
  EXPECT_EQ(rig.Only("main.Minimise").size(), 3u);
}

// The opaque part's edges, in sixteenths of the picture: top, bottom, left, right.
std::array<int, 4> Bounds(const tray_pictures::Argb& pixels, int size) {
  std::array<int, 4> edges{size, 0, size, 0};
  for (int at = 0; at < size * size; ++at) {
    if (pixels[at] >> 24 < 128) continue;
    edges = {std::min(edges[0], at / size), std::max(edges[1], at / size + 1),
             std::min(edges[2], at % size), std::max(edges[3], at % size + 1)};
  }
  for (int& edge : edges) edge = (edge * tray_pictures::kPixelledSize + size / 2) / size;
  return edges;
}

// Each larger icon is the pixelled picture drawn again at its size: its edges smoothed, which a
// scale-up of the pixels never has, and the same picture in the same place.
TEST(TrayPictures, EachSizeIsTheSamePictureDrawnAtItsSize) {
  for (const auto picture : {TrayPicture::Armed, TrayPicture::Off, TrayPicture::Ringing}) {
    const auto pixelled = Bounds(tray_pictures::ArgbPixels(picture), 16);
    for (const int size : {20, 24, 32, 48, 256}) {
      const tray_pictures::Argb pixels = tray_pictures::ArgbPixels(picture, size);
      ASSERT_EQ(pixels.size(), static_cast<std::size_t>(size * size));
      EXPECT_TRUE(std::ranges::any_of(pixels, [](auto c) { return c >> 24 > 0 && c >> 24 < 255; }))
          << size;
      const auto drawn = Bounds(pixels, size);
      for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_LE(std::abs(drawn[i] - pixelled[i]), 1) << size << " px, edge " << i;
      }
    }
  }
}

}  // namespace
}  // namespace dawnquill::testing
