#include <QFontMetrics>

#include "backends/qt/qt_form_view.h"
#include "backends/qt/qt_text.h"
#include "fakes/texts_fit.h"

namespace dawnquill::testing {
namespace {

// In the fonts Qt gave the controls, at 96 dpi and, in a run of its own, scaled as at 144.
void FitInEveryWindow(const FormLayout& layout, bool english) {
  QtFormView view(layout);
  view.Open();
  const auto width = [&](const TextRoom& text) {
    return QFontMetrics(view.Widget(text.control)->font()).horizontalAdvance(Utf8(text.text));
  };
  const auto drawn = [&](ControlId control) -> std::optional<PixelRect> {
    const QWidget* widget = view.Widget(control);
    if (widget == nullptr) return std::nullopt;
    const QPoint corner = widget->mapTo(view.Window(), QPoint());
    return PixelRect{corner.x(), corner.y(), widget->width(), widget->height()};
  };
  ExpectFitted(layout, kStandardDpi, english, view.Window()->width(), width, drawn);
}

TEST(QtTextsFit, EveryTranslatedTextFitsItsControlAndEnglishStaysInPlace) {
  EXPECT_EQ(InEveryLanguage(DAWNQUILL_LOCALE_FOLDER, FitInEveryWindow), 6);
}

}  // namespace
}  // namespace dawnquill::testing
