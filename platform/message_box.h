#pragma once

#include <string_view>

namespace dawnquill {

// Buttons and icon of a message box, and its answers, numbered as the window system numbers them.
namespace mb {
inline constexpr int kOk = 0;
inline constexpr int kRetryCancel = 5;
inline constexpr int kIconWarning = 48;
inline constexpr int kIconInformation = 64;

inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdRetry = 4;
}  // namespace mb

// A modal message box. Returns the answer, or kIdCancel when the box went away unanswered.
class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;

  virtual int MsgBox(std::string_view prompt, int buttons, std::string_view title) = 0;
};

// Lets the pending events run once, then returns.
class EventPass {
 public:
  virtual ~EventPass() = default;

  virtual void DoEvents() = 0;
};

}  // namespace dawnquill
