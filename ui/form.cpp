#include "ui/form.h"

namespace dawnquill {

void Form::Open() {
  view_.Open();
  open_ = true;
  OnOpen();
}

CloseVerdict Form::CloseRequested(CloseReason reason) {
  if (!open_) return CloseVerdict::Close;
  if (OnCloseRequest(reason) == CloseVerdict::Keep) return CloseVerdict::Keep;
  CloseNow();
  return CloseVerdict::Close;
}

void Form::CloseNow() {
  if (!open_) return;
  open_ = false;
  view_.Close();
}

}  // namespace dawnquill
