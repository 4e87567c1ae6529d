#pragma once

#include <functional>

#include <windows.h>

#include "backends/win32/win32_player.h"
#include "interfaces/event_pass.h"
#include "interfaces/player_listener.h"

namespace dawnquill {

// Listens for the player through Core Audio: among the default output's sessions, the one of the
// process that owns the player's window. The player's own word is not asked: its window messages
// carry commands only. The question runs on a thread of its own, so that a slow audio service
// holds up nothing; its answer is awaited within the call bound. Where the system cannot tell
// (Wine enumerates no sessions), the answer says nothing, and the player counts as heard.
class Win32PlayerListener final : public PlayerListener {
 public:
  Win32PlayerListener(const Win32Player& player, EventPass& events)
      : player_(player), events_(events) {}
  ~Win32PlayerListener() override { Done(); }
  Win32PlayerListener(const Win32PlayerListener&) = delete;
  Win32PlayerListener& operator=(const Win32PlayerListener&) = delete;

  void Listen(std::function<void(const PlayerSound&)> heard) override;
  void Done() override;

  struct Question;

 private:
  static void CALLBACK Poll(HWND window, UINT message, UINT_PTR timer, DWORD time);
  void Answer(StreamSound stream);

  const Win32Player& player_;
  EventPass& events_;
  Question* asked_ = nullptr;  // on its way
  std::function<void(const PlayerSound&)> heard_;
  ULONGLONG deadline_ = 0;
  UINT_PTR poll_ = 0;
};

}  // namespace dawnquill
