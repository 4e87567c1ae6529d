#pragma once

#include "interfaces/form_view.h"

namespace dawnquill {

// The life of one window: opened with its controls afresh, asked before it closes, closed.
class Form : public FormEvents {
 public:
  explicit Form(FormView& view) : view_(view) {}

  CloseVerdict CloseRequested(CloseReason reason) final;
  bool IsOpen() const { return open_; }

 protected:
  void Open();
  // The program's own close: asks OnCloseRequest like any other.
  void CloseAsProgram() { CloseRequested(CloseReason::Program); }
  // Closes without asking; harmless when the window is not open.
  void CloseNow();

  virtual void OnOpen() {}
  virtual CloseVerdict OnCloseRequest(CloseReason reason) = 0;

  FormView& view_;

 private:
  bool open_ = false;
};

}  // namespace dawnquill
