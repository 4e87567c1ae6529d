#include <algorithm>

#include <gtest/gtest.h>

#include "backends/win32/win32_form_view.h"
#include "backends/win32/win32_text.h"
#include "fakes/catalogue_texts.h"
#include "ui/form_geometry.h"
#include "ui/main/main_window_layout.h"
#include "ui/options/options_window_layout.h"
#include "ui/wake_up/wake_up_window_layout.h"

namespace dawnquill::testing {
namespace {

int WidthIn(HWND control, const std::string& text) {
  HDC device = GetDC(control);
  HGDIOBJ before =
      SelectObject(device, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
  SIZE size{};
  const std::wstring wide = Wide(text);
  GetTextExtentPoint32W(device, wide.c_str(), static_cast<int>(wide.size()), &size);
  SelectObject(device, before);
  ReleaseDC(control, device);
  return size.cx;
}

// In every language, at 96 and at 144 dpi as the window hears of it when moved to such a screen,
// each text fits its control in the font the kit gave it; in English (no catalogue) every window
// and control is where its table says.
TEST(Win32TextsFit, EveryTranslatedTextFitsItsControlAndEnglishStaysInPlace) {
  std::vector<std::filesystem::path> files = Catalogues(DAWNQUILL_LOCALE_FOLDER);
  ASSERT_EQ(files.size(), 6U);
  files.emplace_back();
  for (const std::filesystem::path& file : files) {
    const CatalogueTexts texts(file);
    SetTexts(file.empty() ? nullptr : &texts);
    for (const FormLayout* layout :
         {&main_window::Layout(), &wake_up_window::Layout(), &options_window::Layout()}) {
      Win32FormView view(*layout, GetModuleHandleW(nullptr), nullptr);
      view.Open();
      for (const int dpi : {96, 144}) {
        RECT frame;
        GetWindowRect(view.Window(), &frame);
        SendMessageW(view.Window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&frame));
        for (const TextRoom& text : TextsToFit(*layout, dpi)) {
          SCOPED_TRACE(file.string() + " " + std::to_string(dpi) + ": " + text.text);
          const Control& control = *std::ranges::find(layout->controls, text.control, &Control::id);
          RECT room;
          GetClientRect(view.Child(text.control), &room);
          EXPECT_LE(WidthIn(view.Child(text.control), text.text),
                    room.right - *TextMargin(control.kind, dpi));
        }
        if (!file.empty()) continue;
        RECT client;
        GetClientRect(view.Window(), &client);
        EXPECT_EQ(client.right, Pixels(layout->clientWidth, dpi));
        for (const Control& control : layout->controls) {
          HWND child = view.Child(control.id);
          if (child == nullptr || control.kind == ControlKind::ComboBox) continue;  // and its list
          RECT r;
          GetWindowRect(child, &r);
          MapWindowPoints(HWND_DESKTOP, view.Window(), reinterpret_cast<POINT*>(&r), 2);
          EXPECT_EQ(PlaceInWindow(*layout, control, dpi),
                    (PixelRect{r.left, r.top, r.right - r.left, r.bottom - r.top}));
        }
      }
    }
  }
  SetTexts(nullptr);
}

}  // namespace
}  // namespace dawnquill::testing
