#pragma once

#include <functional>
#include <string_view>

namespace dawnquill {

enum class BoxKind { Warning, Information };
enum class BoxButtons { Ok, RetryCancel };
enum class BoxAnswer { Ok, Retry, Cancel };

// Message boxes, modal to the whole program. None waits: each is shown and the call returns.
class MessageBoxes {
 public:
  using Answered = std::function<void(BoxAnswer answer)>;
  using BoxId = unsigned;

  virtual ~MessageBoxes() = default;

  // `answered` runs once, from the event loop, with the user's answer (Cancel for a box the
  // user closed otherwise), unless Close took the box away first.
  virtual BoxId Show(std::string_view prompt, std::string_view title, BoxKind kind,
                     BoxButtons buttons, Answered answered) = 0;
  // Takes the box away unanswered; harmless once it has gone.
  virtual void Close(BoxId box) = 0;
};

}  // namespace dawnquill
