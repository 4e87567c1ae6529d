#include "core/kept_alarm.h"

#include "core/logger.h"

namespace dawnquill {

std::string KeptAlarm::Follow(const Alarm& alarm, bool mayTell) {
  const bool off = alarm.State() == AlarmState::Off;
  std::string failure;
  if (off) {
    failure = Clear();
  } else {
    signIn_.Enable();
    failure = store_.KeepAlarm(RecordText(alarm.Record(clock_.Utc())));
  }
  if (failure.empty()) return {};
  const std::string_view what =
      off ? "The alarm that was turned off could not be removed from the "
            "settings: it comes back when DawnQuill starts again."
          : "The alarm could not be written down: it rings only while this "
            "DawnQuill runs, and not after a restart.";
  logger::Write({what, " ", failure});
  if (told_ || !mayTell) return {};
  told_ = true;
  return logger::Joined({what, "\n\n", failure});
}

std::string KeptAlarm::Clear() {
  signIn_.Disable();
  return store_.ClearKeptAlarm();
}

std::optional<AlarmRecord> KeptAlarm::Kept() {
  const std::string text = store_.KeptAlarm();
  if (text.empty()) return std::nullopt;
  auto record = ReadRecord(text);
  if (!record) {
    logger::Write({"A kept alarm that could not be read was dropped: ", text});
    Clear();
  }
  return record;
}

}  // namespace dawnquill
