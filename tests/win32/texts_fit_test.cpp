#include "fakes/texts_fit.h"

#include "backends/win32/win32_form_view.h"
#include "backends/win32/win32_text.h"

namespace dawnquill::testing {
namespace {

// At 96 and at 144 dpi, as a window hears of it when moved to such a screen, in the fonts the kit
// gave the controls; a combo box is drawn taller, with its list.
void FitInEveryWindow(const FormLayout& layout, bool english) {
  Win32FormView view(layout, GetModuleHandleW(nullptr), nullptr);
  view.Open();
  const auto width = [&](const TextRoom& text) {
    HWND child = view.Child(text.control);
    HDC device = GetDC(child);
    SelectObject(device, reinterpret_cast<HGDIOBJ>(SendMessageW(child, WM_GETFONT, 0, 0)));
    SIZE size{};
    const std::wstring wide = Wide(text.text);
    GetTextExtentPoint32W(device, wide.c_str(), static_cast<int>(wide.size()), &size);
    ReleaseDC(child, device);
    return static_cast<int>(size.cx);
  };
  const auto drawn = [&](ControlId control) -> std::optional<PixelRect> {
    RECT r;
    wchar_t kind[16] = L"";
    HWND child = view.Child(control);
    GetClassNameW(child, kind, 16);
    if (child == nullptr || _wcsicmp(kind, L"combobox") == 0) return std::nullopt;
    GetWindowRect(child, &r);
    MapWindowPoints(HWND_DESKTOP, view.Window(), reinterpret_cast<POINT*>(&r), 2);
    return PixelRect{r.left, r.top, r.right - r.left, r.bottom - r.top};
  };
  for (const int dpi : {96, 144}) {
    RECT client{};  // where it is told to move, then its client area
    SendMessageW(view.Window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&client));
    GetClientRect(view.Window(), &client);
    ExpectFitted(layout, dpi, english, client.right, width, drawn);
  }
}

TEST(Win32TextsFit, EveryTranslatedTextFitsItsControlAndEnglishStaysInPlace) {
  EXPECT_EQ(InEveryLanguage(DAWNQUILL_LOCALE_FOLDER, FitInEveryWindow), 6);
}

}  // namespace
}  // namespace dawnquill::testing
