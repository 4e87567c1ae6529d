#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "platform/qt/qt_form_view.h"
#include "ui/main/main_window_layout.h"
#include "ui/wake_up/wake_up_window_layout.h"

namespace dawnquill::testing {
namespace {

using Log = std::vector<std::string>;

// Records the clicks the kit forwards, and the keys and closes; refuses every close, and uses keys
// when told to.
struct Recorder final : FormEvents {
  bool CloseRequested(CloseReason reason) override {
    log.emplace_back(reason == CloseReason::User ? "close by the user" : "close by the session");
    return false;
  }
  void Click(std::string_view control) override { clicks.emplace_back(control); }
  bool KeyPress(std::string_view control, std::string_view text) override {
    log.push_back("key " + std::string(control) + ":" + std::string(text));
    return useKeys;
  }
  bool useKeys = false;
  Log clicks, log;
};

class KitTest : public ::testing::Test {
 protected:
  explicit KitTest(const FormLayout& layout = main_window::Layout()) : view_(layout) {
    view_.SetEvents(&events_);
    view_.Load();
    view_.Show();
    QApplication::processEvents();
  }
  template <typename W>
  W* Get(std::string_view name) {
    return qobject_cast<W*>(view_.Widget(name));
  }
  Recorder events_;
  QtFormView view_;
};

// Enter in a box presses the default button without adding to the lists or completing what is
// typed, Enter on a button presses that button, and Escape does nothing; the font is made small
// enough that the longest status fits.
TEST_F(KitTest, EnterPressesTheDefaultButtonOrTheFocusedOneAndTheListsNeverGrow) {
  EXPECT_LE(QFontMetrics(view_.Widget("lblStatus")->font())
                .horizontalAdvance("Snooze is on - Time: 23:59"),
            129);
  for (const char* name : {"cmbHour", "cmbMin"}) view_.AddItem(name, "00");
  for (const char* name : {"cmbHour", "cmbMin", "txtSnoozeDelay"}) {
    QWidget* widget = view_.Widget(name);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) widget = combo->lineEdit();
    QTest::keyClicks(widget, "7");
    QTest::keyClick(widget, Qt::Key_Return);
  }
  QTest::keyClick(view_.Widget("cmdEnd"), Qt::Key_Return);
  QTest::keyClick(view_.Widget("cmdEnd"), Qt::Key_Escape);
  EXPECT_EQ(events_.clicks, (Log{"cmdToggleAlarm", "cmdToggleAlarm", "cmdToggleAlarm", "cmdEnd"}));
  EXPECT_TRUE(view_.Window()->isVisible());
  EXPECT_EQ(Get<QComboBox>("cmbHour")->count() + Get<QComboBox>("cmbMin")->count(), 2);
  EXPECT_EQ(view_.Text("cmbMin"), "007");
}

// What does not fit of a paste is cut off, as typing is; a longer text the program writes stays.
TEST_F(KitTest, APasteIntoTheDelayBoxIsCutButTheProgramsOwnTextStaysWhole) {
  auto* box = Get<QLineEdit>("txtSnoozeDelay");
  box->clear();
  QApplication::clipboard()->setText("345");
  box->paste();
  EXPECT_EQ(box->text(), "34");
  view_.SetText("txtSnoozeDelay", "100");
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
  QWidget* snooze = view_.Widget("cmdSnooze");
  for (const auto key : {Qt::Key_Left, Qt::Key_Escape}) QTest::keyClick(snooze, key);
  EXPECT_TRUE(view_.Window()->isVisible());
  events_.useKeys = true;
  QTest::keyClick(snooze, Qt::Key_Space);
  QTest::keyClick(snooze, Qt::Key_Return);
  events_.useKeys = false;
  QTest::keyClick(snooze, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), view_.Widget("cmdAlarmOff"));
  EXPECT_TRUE(events_.clicks.empty());
  EXPECT_EQ(events_.log, (Log{"key cmdSnooze:", "key cmdSnooze:\x1b",
                              "key cmdSnooze: ", "key cmdSnooze:\r", "key cmdSnooze:\t"}));
}

}  // namespace
}  // namespace dawnquill::testing

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
