#pragma once

#include "platform/form_view.h"

namespace dawnquill {

// The life of one window: loaded with its controls afresh, asked before it closes, unloaded.
class Form : public FormEvents {
 public:
  explicit Form(FormView& view) : view_(view) {}

  bool CloseRequested(CloseReason reason) final;
  bool Loaded() const { return loaded_; }

 protected:
  void LoadForm();
  // The program's own unload: asks Form_QueryUnload like any other close.
  void UnloadForm() { CloseRequested(CloseReason::Program); }

  virtual void Form_Load() {}
  // Returns Cancel: true keeps the window loaded.
  virtual bool Form_QueryUnload(CloseReason reason) = 0;

  FormView& view_;

 private:
  bool loaded_ = false;
};

}  // namespace dawnquill
