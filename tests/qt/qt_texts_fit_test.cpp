#include <algorithm>

#include <QApplication>
#include <QFontMetrics>

#include <gtest/gtest.h>

#include "backends/qt/qt_form_view.h"
#include "backends/qt/qt_text.h"
#include "fakes/catalogue_texts.h"
#include "ui/form_geometry.h"
#include "ui/main/main_window_layout.h"
#include "ui/options/options_window_layout.h"
#include "ui/wake_up/wake_up_window_layout.h"

namespace dawnquill::testing {
namespace {

// In every language, at the scale ctest runs it at, each text fits its control in the font Qt
// gave the control; in English (no catalogue) every window and control is where its table says.
TEST(QtTextsFit, EveryTranslatedTextFitsItsControlAndEnglishStaysInPlace) {
  std::vector<std::filesystem::path> files = Catalogues(DAWNQUILL_LOCALE_FOLDER);
  ASSERT_EQ(files.size(), 6U);
  files.emplace_back();
  for (const std::filesystem::path& file : files) {
    const CatalogueTexts texts(file);
    SetTexts(file.empty() ? nullptr : &texts);
    for (const FormLayout* layout :
         {&main_window::Layout(), &wake_up_window::Layout(), &options_window::Layout()}) {
      QtFormView view(*layout);
      view.Open();
      for (const TextRoom& text : TextsToFit(*layout)) {
        SCOPED_TRACE(file.string() + ": " + text.text);
        const Control& control = *std::ranges::find(layout->controls, text.control, &Control::id);
        const QWidget* widget = view.Widget(text.control);
        EXPECT_LE(QFontMetrics(widget->font()).horizontalAdvance(Utf8(text.text)),
                  widget->width() - *TextMargin(control.kind));
      }
      if (!file.empty()) continue;
      EXPECT_EQ(view.Window()->size(),
                QSize(Pixels(layout->clientWidth), Pixels(layout->clientHeight)));
      for (const Control& control : layout->controls) {
        const PixelRect place = Place(control);
        if (const QWidget* widget = view.Widget(control.id)) {
          EXPECT_EQ(widget->geometry(), QRect(place.left, place.top, place.width, place.height));
        }
      }
    }
  }
  SetTexts(nullptr);
}

}  // namespace
}  // namespace dawnquill::testing

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
