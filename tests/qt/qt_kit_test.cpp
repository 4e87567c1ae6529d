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

// Records what the kit forwards; refuses closes when told to, snoozes on keys when told to.
struct Recorder final : FormEvents {
  bool CloseRequested(CloseReason reason) override {
    closes.push_back(reason);
    if (!refuseClose) view->Close();
    return !refuseClose;
  }
  void Click(std::string_view control) override { clicks.emplace_back(control); }
  bool KeyPress(std::string_view control, std::string_view text) override {
    keys.push_back(std::string(control) + ":" + std::string(text));
    return useKeys;
  }
  FormView* view = nullptr;
  bool refuseClose = false;
  bool useKeys = false;
  std::vector<CloseReason> closes;
  std::vector<std::string> clicks;
  std::vector<std::string> keys;
};

class KitTest : public ::testing::Test {
 protected:
  explicit KitTest(const FormLayout& layout = main_window::Layout()) : view_(layout) {
    events_.view = &view_;
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

// Enter in a box presses the default button, Enter on a button presses that button, and Escape
// does nothing; the default font is made small enough that the longest status fits.
TEST_F(KitTest, EnterPressesTheDefaultButtonOrTheFocusedOneAndTheListsNeverGrow) {
  EXPECT_EQ(view_.Window()->focusWidget(), view_.Widget("cmbHour"));
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
  EXPECT_EQ(events_.clicks, (std::vector<std::string>{"cmdToggleAlarm", "cmdToggleAlarm",
                                                      "cmdToggleAlarm", "cmdEnd"}));
  EXPECT_TRUE(view_.Window()->isVisible());
  EXPECT_EQ(Get<QComboBox>("cmbHour")->count() + Get<QComboBox>("cmbMin")->count(), 2);
  EXPECT_EQ(view_.Text("cmbMin"), "007");  // typed text stays as typed: no completion
}

// Two typed characters at most, and what does not fit of a paste is cut off; a longer text the
// program writes stays whole.
TEST_F(KitTest, TheDelayBoxTakesTwoCharactersButShowsWhatTheProgramWrites) {
  auto* box = Get<QLineEdit>("txtSnoozeDelay");
  box->clear();
  QTest::keyClicks(box, "123");
  EXPECT_EQ(box->text(), "12");
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
  events_.refuseClose = true;
  view_.Window()->close();  // Qt's own close, as at the end of a session
  EXPECT_TRUE(view_.Window()->isVisible());
  EXPECT_EQ(events_.closes, std::vector<CloseReason>{CloseReason::SessionEnd});
  view_.Close();
  EXPECT_FALSE(view_.Window()->isVisible());
  EXPECT_EQ(events_.closes.size(), 1u);
}

class WakeUpKitTest : public KitTest {
 protected:
  WakeUpKitTest() : KitTest(wake_up_window::Layout()) {}
};

// The window opens with the focus on "Snooze"; keys reach it with their text, arrows move
// nothing, Escape closes nothing, and Tab still moves the focus. A key the window uses up does
// not also press the button.
TEST_F(WakeUpKitTest, KeysReachTheWindowWithTheirTextAndTabStillMovesTheFocus) {
  QWidget* snooze = view_.Widget("cmdSnooze");
  EXPECT_EQ(view_.Window()->focusWidget(), snooze);
  for (const auto key : {Qt::Key_Shift, Qt::Key_Left, Qt::Key_A, Qt::Key_Escape}) {
    QTest::keyClick(snooze, key);
  }
  EXPECT_EQ(QApplication::focusWidget(), snooze);
  EXPECT_TRUE(view_.Window()->isVisible());
  events_.useKeys = true;
  QTest::keyClick(snooze, Qt::Key_Space);
  QTest::keyClick(snooze, Qt::Key_Return);
  EXPECT_TRUE(events_.clicks.empty());
  events_.useKeys = false;
  QTest::keyClick(snooze, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), view_.Widget("cmdAlarmOff"));
  EXPECT_EQ(events_.keys,
            (std::vector<std::string>{"cmdSnooze:", "cmdSnooze:", "cmdSnooze:a", "cmdSnooze:\x1b",
                                      "cmdSnooze: ", "cmdSnooze:\r", "cmdSnooze:\t"}));
}

}  // namespace
}  // namespace dawnquill::testing

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
