#include "ui/text_limit.h"

namespace dawnquill {

LimitedEdit LimitEdit(std::u16string_view before, std::u16string_view after, std::size_t limit) {
  // The edit replaced the middle of `before` with the middle of `after`.
  std::size_t same = 0;
  while (same < after.size() && same < before.size() && after[same] == before[same]) ++same;
  std::size_t sameEnd = 0;
  while (sameEnd < after.size() - same && sameEnd < before.size() - same &&
         after[after.size() - 1 - sameEnd] == before[before.size() - 1 - sameEnd]) {
    ++sameEnd;
  }
  const std::size_t inserted = after.size() - same - sameEnd;
  const std::size_t kept = same + sameEnd;
  const std::size_t room = kept < limit ? limit - kept : 0;
  if (inserted <= room) return {std::u16string(after), same + inserted};
  std::u16string text(after);
  text.erase(same + room, inserted - room);
  return {text, same + room};
}

}  // namespace dawnquill
