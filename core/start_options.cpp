#include "core/start_options.h"

#include <algorithm>

namespace dawnquill {

StartOptions ReadStartOptions(std::span<const std::string_view> arguments) {
  return {.inTray = std::ranges::find(arguments, kInTrayOption) != arguments.end()};
}

}  // namespace dawnquill
