#pragma once

#include <string_view>

namespace dawnquill {

enum class BoxKind { Warning, Information };
enum class BoxButtons { Ok, RetryCancel };
enum class BoxAnswer { Ok, Retry, Cancel };

// A modal message box.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;

  // The answer, or Cancel when the box went away unanswered.
  virtual BoxAnswer Show(std::string_view prompt, std::string_view title, BoxKind kind,
                         BoxButtons buttons) = 0;
};

}  // namespace dawnquill
