#pragma once

#include "interfaces/form_view.h"

namespace dawnquill {

// The life of one window: loaded with its controls afresh, asked before it closes, unloaded.
class Form : public FormEvents {
 public:
  explicit Form(FormView& view) : view_(view) {}

  CloseVerdict CloseRequested(CloseReason reason) final;
  bool Loaded() const { return loaded_; }

 protected:
  void LoadForm();
  // The program's own unload: asks OnCloseRequest like any other close.
  void UnloadForm() { CloseRequested(CloseReason::Program); }

  virtual void OnLoad() {}
  virtual CloseVerdict OnCloseRequest(CloseReason reason) = 0;

  FormView& view_;

 private:
  bool loaded_ = false;
};

}  // namespace dawnquill
