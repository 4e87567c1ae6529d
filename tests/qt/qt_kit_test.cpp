#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "backends/qt/qt_form_view.h"
#include "ui/main/main_window_layout.h"
#include "ui/wake_up/wake_up_window_layout.h"

namespace dawnquill::testing {
namespace {

using Log = std::vector<std::string>;

// Records the clicks the kit forwards, and the keys and closes; refuses every close, and uses keys
// when told to.
struct Recorder final : FormEvents {
  CloseVerdict CloseRequested(CloseReason reason) override {
    log.emplace_back(reason == CloseReason::User ? "close by the user" : "close by the session");
    return CloseVerdict::Keep;
  }
  void Click(ControlId control) override { clicks.push_back(control.value); }
  KeyResult Key(ControlId control, std::string_view text) override {
    log.push_back("key " + std::to_string(control.value) + ":" + std::string(text));
    return useKeys ? KeyResult::Used : KeyResult::PassOn;
  }
  bool useKeys = false;
  std::vector<int> clicks;
  Log log;
};

class KitTest : public ::testing::Test {
 protected:
  explicit KitTest(const FormLayout& layout = main_window::Layout()) : view_(layout) {
    view_.SetEvents(&events_);
    view_.Open();
    view_.Show();
    QApplication::processEvents();
  }
  template <typename W>
  W* Get(ControlId control) {
    return qobject_cast<W*>(view_.Widget(control));
  }
  Recorder events_;
  QtFormView view_;
};

// Enter in a box presses the default button without adding to the lists or completing what is
// typed, Enter on a button presses that button, and Escape does nothing.
TEST_F(KitTest, EnterPressesTheDefaultButtonOrTheFocusedOneAndTheListsNeverGrow) {
  using enum MainControl;
  for (const auto box : {HourBox, MinuteBox}) view_.AddListItem(box, "00");
  for (const auto box : {HourBox, MinuteBox, DelayBox}) {
    QWidget* widget = view_.Widget(box);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) widget = combo->lineEdit();
    QTest::keyClicks(widget, "7");
    QTest::keyClick(widget, Qt::Key_Return);
  }
  QTest::keyClick(view_.Widget(ExitButton), Qt::Key_Return);
  QTest::keyClick(view_.Widget(ExitButton), Qt::Key_Escape);
  const int toggle = static_cast<int>(ToggleButton);
  EXPECT_EQ(events_.clicks,
            (std::vector<int>{toggle, toggle, toggle, static_cast<int>(ExitButton)}));
  EXPECT_TRUE(view_.Window()->isVisible());
  EXPECT_EQ(Get<QComboBox>(HourBox)->count() + Get<QComboBox>(MinuteBox)->count(), 2);
  EXPECT_EQ(view_.Text(MinuteBox), "007");
}

// What does not fit of a paste is cut off, as typing is; a longer text the program writes stays.
TEST_F(KitTest, APasteIntoTheDelayBoxIsCutButTheProgramsOwnTextStaysWhole) {
  auto* box = Get<QLineEdit>(MainControl::DelayBox);
  box->clear();
  QApplication::clipboard()->setText("345");
  box->paste();
  EXPECT_EQ(box->text(), "34");
  view_.SetText(MainControl::DelayBox, "100");
  box->end(false);
  QTest::keyClick(box, Qt::Key_5);
  EXPECT_EQ(box->text(), "100");
}

TEST_F(KitTest, OnlyTheProgramsOwnCloseSkipsTheCloseRequest) {
  view_.Window()->close();  // Qt's own close, as at the end of a session
  EXPECT_TRUE(view_.Window()->isVisible());
  view_.Close();
  EXPECT_FALSE(view_.Window()->isVisible());
  EXPECT_EQ(events_.log, Log{"close by the session"});
}

class WakeUpKitTest : public KitTest {
 protected:
  WakeUpKitTest() : KitTest(wake_up_window::Layout()) {}
};

// Keys reach the wake-up window with their text, and Escape closes nothing. A key the window uses
// up does not also press the button; Tab, which it leaves, still moves the focus.
TEST_F(WakeUpKitTest, KeysReachTheWindowWithTheirTextAndTabStillMovesTheFocus) {
  QWidget* snooze = view_.Widget(WakeUpControl::SnoozeButton);
  for (const auto key : {Qt::Key_Left, Qt::Key_Escape}) QTest::keyClick(snooze, key);
  EXPECT_TRUE(view_.Window()->isVisible());
  events_.useKeys = true;
  QTest::keyClick(snooze, Qt::Key_Space);
  QTest::keyClick(snooze, Qt::Key_Return);
  events_.useKeys = false;
  QTest::keyClick(snooze, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), view_.Widget(WakeUpControl::TurnOffButton));
  EXPECT_TRUE(events_.clicks.empty());
  const std::string key = "key " + std::to_string(static_cast<int>(WakeUpControl::SnoozeButton));
  EXPECT_EQ(events_.log, (Log{key + ":", key + ":\x1b", key + ": ", key + ":\r", key + ":\t"}));
}

}  // namespace
}  // namespace dawnquill::testing

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
