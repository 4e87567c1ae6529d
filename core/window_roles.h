#pragma once

#include <string>
#include <string_view>

#include "core/alarm_options.h"

// The program's windows in the roles the alarm gives them.
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

// The window shown while the alarm rings, modal to the whole program.
class RingWindow {
 public:
  virtual ~RingWindow() = default;

  // Opens the window afresh and returns at once.
  virtual void Open() = 0;
  // Harmless when the window is not open.
  virtual void Close() = 0;
};

// The window of the options, modal to the whole program.
class OptionsWindow {
 public:
  virtual ~OptionsWindow() = default;

  // Opens the window afresh, showing these, and returns at once.
  virtual void Open(const AlarmOptions& options) = 0;
  // Harmless when the window is not open.
  virtual void Close() = 0;
};

// The main window, whose end is the program's.
class ProgramWindow {
 public:
  virtual ~ProgramWindow() = default;

  virtual void End() = 0;
};

}  // namespace dawnquill
