#pragma once

#include "interfaces/file_chooser.h"

namespace dawnquill {

// Qt's file dialog, window-modal over the program's modal window, opened with open() so that no
// loop of its own runs on the caller's stack.
class QtFileChooser final : public FileChooser {
 public:
  void Choose(const std::string& startPath, Chosen chosen) override;
  bool IsThere(const std::string& path) const override;
};

}  // namespace dawnquill
