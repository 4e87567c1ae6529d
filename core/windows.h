#pragma once

namespace dawnquill {

// The wake-up window as the alarm controller uses it.
class WakeUpWindow {
 public:
  virtual ~WakeUpWindow() = default;

  // Loads the window afresh and returns once it has been unloaded.
  virtual void ShowModal() = 0;
  // Harmless when the window is not loaded.
  virtual void Unload() = 0;
};

// The main window as the alarm tick and the tray use it.
class MainWindow {
 public:
  virtual ~MainWindow() = default;

  // Asks the window to close as the program; it may refuse and hide instead.
  virtual void Unload() = 0;
  // True once the window has gone for good: the program is ending.
  virtual bool Unloaded() const = 0;
  // The "Exit" command.
  virtual void cmdEnd_Click() = 0;
};

}  // namespace dawnquill
