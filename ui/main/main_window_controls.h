#pragma once

#include "core/window_roles.h"
#include "interfaces/form_view.h"

namespace dawnquill {

// What the alarm shows, written onto the main window's controls.
class MainWindowControls final : public AlarmControls {
 public:
  explicit MainWindowControls(FormView& view) : view_(view) {}

  std::string Text(Input input) const override;
  void SetText(Input input, std::string_view text) override;
  void SetInputsEnabled(bool enabled) override;
  void SetToggleCaption(std::string_view caption) override;
  void SetStatus(std::string_view status) override;

 private:
  FormView& view_;
};

}  // namespace dawnquill
