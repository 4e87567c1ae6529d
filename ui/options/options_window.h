#pragma once

#include "core/alarm_driver.h"
#include "core/window_roles.h"
#include "interfaces/file_chooser.h"
#include "ui/form.h"

namespace dawnquill {

// The options: the days the alarm repeats on, how gently the music starts, and what plays. OK
// hands them to the alarm, which closes the window once it takes them; Cancel and the frame's
// close leave everything as it was.
class OptionsWindowForm final : public Form, public OptionsWindow {
 public:
  OptionsWindowForm(FormView& view, FileChooser& files) : Form(view), files_(files) {}

  // Who hears OK. Connected once, before the window first opens.
  void AnswerTo(AlarmDriver& driver) { driver_ = &driver; }

  void Open(const AlarmOptions& options) override;
  void Close() override { CloseNow(); }

  void Click(ControlId control) override;

 protected:
  CloseVerdict OnCloseRequest(CloseReason /*reason*/) override { return CloseVerdict::Close; }

 private:
  AlarmDriver* driver_ = nullptr;
  FileChooser& files_;
};

}  // namespace dawnquill
