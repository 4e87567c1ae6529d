#pragma once

#include <string>
#include <string_view>

// The program's windows in the roles the alarm and its tick give them.
namespace dawnquill {

// The main window's inputs and texts, as the alarm reads and writes them.
class AlarmControls {
 public:
  enum class Input { Hour, Minute, SnoozeDelay };

  virtual ~AlarmControls() = default;

  virtual std::string Text(Input input) const = 0;
  virtual void SetText(Input input, std::string_view text) = 0;
  virtual void SetInputsEnabled(bool enabled) = 0;
  virtual void SetToggleCaption(std::string_view caption) = 0;
  virtual void SetStatus(std::string_view status) = 0;
};

// The window that the alarm holds open while it rings.
class ModalWindow {
 public:
  virtual ~ModalWindow() = default;

  // Opens the window afresh and returns once it has closed.
  virtual void ShowModal() = 0;
  // Harmless when the window is not open.
  virtual void Close() = 0;
};

// The main window as the alarm tick uses it: its timer, and its close, which ends the program.
class TickWindow {
 public:
  virtual ~TickWindow() = default;

  virtual void SetTickTimerEnabled(bool enabled) = 0;
  // Asks the window to close as the program; it may refuse and hide instead.
  virtual void Close() = 0;
  // True once the window has gone for good: the program is ending.
  virtual bool Closed() const = 0;
};

}  // namespace dawnquill
