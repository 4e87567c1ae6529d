#include "ui/form.h"

namespace dawnquill {

void Form::LoadForm() {
  view_.Load();
  loaded_ = true;
  OnLoad();
}

CloseVerdict Form::CloseRequested(CloseReason reason) {
  if (!loaded_) return CloseVerdict::Close;
  if (OnCloseRequest(reason) == CloseVerdict::Keep) return CloseVerdict::Keep;
  loaded_ = false;
  view_.Close();
  return CloseVerdict::Close;
}

}  // namespace dawnquill
