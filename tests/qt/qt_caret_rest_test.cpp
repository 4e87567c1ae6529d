#include "backends/qt/qt_caret_rest.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QStyleHints>
#include <QTest>

#include <gtest/gtest.h>

namespace dawnquill::testing {
namespace {

// Counts a line edit's paints: each blink of its cursor, and nothing else while it sits.
struct PaintCounter final : QObject {
  bool eventFilter(QObject* watched, QEvent* event) override {
    paints += static_cast<int>(event->type() == QEvent::Paint);
    return QObject::eventFilter(watched, event);
  }
  int Over(int ms) {
    paints = 0;
    QTest::qWait(ms);
    return paints;
  }
  int paints = 0;
};

TEST(CaretRest, TheBlinkStopsWithoutInputComesBackAtAKeyAndIsGivenBackAtTheEnd) {
  QStyleHints* hints = QGuiApplication::styleHints();
  const auto resting = [hints] { return hints->cursorFlashTime() == 0; };
  hints->setCursorFlashTime(100);  // a blink every 50 ms
  QLineEdit box;
  box.show();
  box.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
  box.setFocus();
  PaintCounter counter;
  box.installEventFilter(&counter);
  {
    const CaretRest rest(std::chrono::milliseconds{400});
    QTest::keyClick(&box, Qt::Key_7);
    EXPECT_GT(counter.Over(300), 0) << "the probe sees no blink: it proves nothing";
    ASSERT_TRUE(QTest::qWaitFor(resting, 3000));
    EXPECT_LE(counter.Over(1000), 1);  // the one that leaves the cursor shown
    QTest::keyClick(&box, Qt::Key_8);
    EXPECT_EQ(hints->cursorFlashTime(), 100);
    EXPECT_GT(counter.Over(300), 0);
    ASSERT_TRUE(QTest::qWaitFor(resting, 3000));
  }
  EXPECT_EQ(hints->cursorFlashTime(), 100);  // the desktop's own again
  hints->setCursorFlashTime(1000);
}

}  // namespace
}  // namespace dawnquill::testing
