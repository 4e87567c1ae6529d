#include "ui/form.h"

namespace dawnquill {

void Form::LoadForm() {
  view_.Load();
  loaded_ = true;
  Form_Load();
}

bool Form::CloseRequested(CloseReason reason) {
  if (!loaded_) return true;
  if (Form_QueryUnload(reason)) return false;
  loaded_ = false;
  view_.Close();
  return true;
}

}  // namespace dawnquill
