#include "backends/qt/qt_caret_rest.h"

#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>

namespace dawnquill {

CaretRest::CaretRest(std::chrono::milliseconds after) {
  rest_.setSingleShot(true);
  rest_.setInterval(after);
  connect(&rest_, &QTimer::timeout, this, &CaretRest::Rest);
  QCoreApplication::instance()->installEventFilter(this);
  rest_.start();
}

CaretRest::~CaretRest() { Wake(); }

// The line edits follow the style hints' flash time as it changes, and 0 stops their blink.
void CaretRest::Rest() {
  QStyleHints* hints = QGuiApplication::styleHints();
  if (hints->cursorFlashTime() == 0) return;  // the desktop does not blink it
  flashTime_ = hints->cursorFlashTime();
  hints->setCursorFlashTime(0);
}

void CaretRest::Wake() {
  if (flashTime_ != 0) QGuiApplication::styleHints()->setCursorFlashTime(flashTime_);
  flashTime_ = 0;
}

bool CaretRest::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::InputMethod:
    case QEvent::FocusIn:
      Wake();
      rest_.start();
      break;
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace dawnquill
