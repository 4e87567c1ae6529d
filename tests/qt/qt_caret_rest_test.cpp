#include "backends/qt/qt_caret_rest.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QStyleHints>
#include <QTest>

#include <gtest/gtest.h>

namespace dawnquill::testing {
namespace {

using std::chrono::milliseconds;

// Counts a line edit's paints: each blink of its cursor, and nothing else while it sits.
struct BlinkCounter final : QObject {
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++blinks;
    return QObject::eventFilter(watched, event);
  }
  int blinks = 0;
};

class CaretRestTest : public ::testing::Test {
 protected:
  CaretRestTest() {
    QGuiApplication::styleHints()->setCursorFlashTime(100);  // a blink every 50 ms
    box_.show();
    box_.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&box_));
    box_.setFocus();
    box_.installEventFilter(&counter_);
  }
  ~CaretRestTest() override { QGuiApplication::styleHints()->setCursorFlashTime(1000); }
  CaretRestTest(const CaretRestTest&) = delete;
  CaretRestTest& operator=(const CaretRestTest&) = delete;

  int BlinksOver(milliseconds span) {
    counter_.blinks = 0;
    QTest::qWait(static_cast<int>(span.count()));
    return counter_.blinks;
  }
  static bool Resting() { return QGuiApplication::styleHints()->cursorFlashTime() == 0; }

  QLineEdit box_;
  BlinkCounter counter_;
};

TEST_F(CaretRestTest, TheBlinkStopsWithoutInputAndComesBackAtAKey) {
  CaretRest rest(milliseconds{400});
  QTest::keyClick(&box_, Qt::Key_7);
  ASSERT_TRUE(box_.hasFocus());
  EXPECT_GT(BlinksOver(milliseconds{300}), 0) << "the probe sees no blink: it proves nothing";
  ASSERT_TRUE(QTest::qWaitFor(Resting, 3000));
  EXPECT_LE(BlinksOver(milliseconds{1000}), 1);  // the one that leaves the cursor shown
  QTest::keyClick(&box_, Qt::Key_8);
  EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), 100);
  EXPECT_GT(BlinksOver(milliseconds{300}), 0);
}

TEST_F(CaretRestTest, TheDesktopsBlinkIsLeftAsItWasFound) {
  {
    CaretRest rest(milliseconds{50});
    ASSERT_TRUE(QTest::qWaitFor(Resting, 3000));
  }
  EXPECT_EQ(QGuiApplication::styleHints()->cursorFlashTime(), 100);
}

}  // namespace
}  // namespace dawnquill::testing
