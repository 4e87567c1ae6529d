#pragma once

#include <functional>
#include <string>

namespace dawnquill {

// The desktop's own dialog for choosing a file to play, shown over the window that asks and
// returning at once.
class FileChooser {
 public:
  // With the file's path once the user has chosen one; never when the dialog is cancelled.
  using Chosen = std::function<void(std::string path)>;

  virtual ~FileChooser() = default;

  virtual void Choose(const std::string& startPath, Chosen chosen) = 0;
  // Whether a file or a folder is at the path now.
  virtual bool IsThere(const std::string& path) const = 0;
};

}  // namespace dawnquill
