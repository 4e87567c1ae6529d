#pragma once

#include <functional>
#include <string_view>

#include "interfaces/result.h"

namespace dawnquill {

// What the user may do from the notice of a ring.
enum class RingAction { Snooze, TurnOff };

class RingNoticeEvents;

// A notice of the ring from the desktop itself, which reaches a user that the ring's window may
// not: in a full-screen program, on another workspace, at a locked screen. It offers the ring's
// two ways out.
class RingNotice {
 public:
  // Runs once, from the event loop or before Show returns.
  using Answered = std::function<void(Result<>)>;

  virtual ~RingNotice() = default;

  // `time`: when the alarm or the snooze was due, as the status writes it (7:00).
  virtual void Show(std::string_view time, Answered answered) = 0;
  // Harmless when none is shown.
  virtual void Close() = 0;
  virtual void SetEvents(RingNoticeEvents* events) = 0;
};

// What the user chooses from the notice.
class RingNoticeEvents {
 public:
  virtual ~RingNoticeEvents() = default;

  virtual void Chosen(RingAction action) = 0;
};

}  // namespace dawnquill
