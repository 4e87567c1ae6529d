#include "core/texts.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "fakes/rig.h"
#include "ui/form_geometry.h"

namespace dawnquill::testing {
namespace {

TEST(Texts, FillPutsEachValueWhereTheTextSaysOnce) {
  const struct {
    const char* text;
    std::initializer_list<std::string_view> values;
    const char* filled;
  } cases[] = {
      {"Alarm is on - Time: %1", {"7:00"}, "Alarm is on - Time: 7:00"},
      {"%2 bis %1", {"7:00", "Schlummern"}, "Schlummern bis 7:00"},
      {"%1, %2", {"Mon, %2", "Fri"}, "Mon, %2, Fri"},  // a value's own % stays
      {"%1%1 %3 100%", {"a"}, "aa %3 100%"},
  };
  for (const auto& c : cases) EXPECT_EQ(Fill(c.text, c.values), c.filled);
}

// Answers every text with its context and its English, so that a test sees what was asked for.
class AskedTexts final : public Texts {
 public:
  std::string Translate(std::string_view context, std::string_view english) const override {
    return "[" + std::string(context) + "|" + std::string(english) + "]";
  }
};

// What the user sees is asked for with its context, and the windows' room measured on it; what
// is kept and logged stays English.
TEST(Texts, ShownComeFromTheCatalogueAndTheLogAndTheSettingsStayEnglish) {
  const AskedTexts texts;
  SetTexts(&texts);
  const auto has = [](const Log& texts, const char* text) {
    return std::ranges::find(texts, text) != texts.end();
  };
  Log fitted;
  for (const TextRoom& room : TextsToFit(main_window::Layout())) fitted.push_back(room.text);
  EXPECT_TRUE(has(fitted, "[status|Snooze is on - Time: 23:59]"));
  EXPECT_TRUE(has(fitted, "[toggle|Turn alarm off]"));
  {
    Rig rig(Rig::NotStarted);
    rig.options.repeat = "Mon,Tue,Wed,Thu,Fri";
    rig.StartProgram();
    rig.Arm("7", "0");
    EXPECT_EQ(rig.Main(MainControl::StatusLabel), "[status|Alarm is on - Time: 7:00]");
    EXPECT_EQ(rig.Main(MainControl::ToggleButton), "[toggle|Turn alarm off]");
    EXPECT_EQ(rig.held,
              "[tray tip|Alarm is on - Time: 7:00, "
              "[day range|[day in tip|Mon]-[day in tip|Fri]]]");
    EXPECT_TRUE(has(rig.lines, "Alarm on for 7:00, Mon-Fri, snoozes of 9 minutes"));
  }
  SetTexts(nullptr);
  EXPECT_EQ(Tr("toggle", "Turn alarm off"), "Turn alarm off");
}

}  // namespace
}  // namespace dawnquill::testing
