#pragma once

#include <chrono>

#include <QObject>
#include <QTimer>

namespace dawnquill {

// Stops the text cursor's blink after a while without input and starts it again at the next key,
// click or focus change, as GTK does. Qt blinks a focused box's cursor for ever: a main window left
// open would wake the program several times a second all day. The cursor rests shown, not hidden.
// One instance at a time; it leaves the desktop's blink as it found it.
class CaretRest final : public QObject {
 public:
  explicit CaretRest(std::chrono::milliseconds after = std::chrono::seconds{10});
  ~CaretRest() override;
  CaretRest(const CaretRest&) = delete;
  CaretRest& operator=(const CaretRest&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Rest();
  void Wake();

  QTimer rest_;
  int flashTime_ = 0;  // the desktop's, while resting; 0 while it blinks
};

}  // namespace dawnquill
