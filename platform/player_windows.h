#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dawnquill {

// Opaque address of a running player as the back end found it: a window handle on Windows, a
// D-Bus connection name on Linux. Empty means that no player was found.
using PlayerHandle = std::string;

// Finding the player by its class and sending it command messages.
class PlayerWindows {
 public:
  virtual ~PlayerWindows() = default;

  virtual PlayerHandle FindByClass(std::string_view className) = 0;
  // Returns once the player has handled the message or can no longer be reached.
  virtual void Send(const PlayerHandle& window, std::uint32_t message, std::uintptr_t wParam,
                    std::intptr_t lParam) = 0;
};

}  // namespace dawnquill
