// Start-up from whatever the settings file holds, the kept alarm among it, then the user arming
// with what the boxes show and closing: no crash, no undefined behaviour, the numbers saved are
// the program's own number texts, and a kept alarm either comes back as a record that reads back
// to itself or is left as it was, for the next arming to write over.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/alarm_record.h"
#include "core/number_rules.h"
#include "fakes/rig.h"

using namespace dawnquill;
using namespace dawnquill::testing;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // The stored hour, minute, delay and kept alarm, separated by NUL bytes.
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  std::string parts[4];
  for (std::string& part : parts) {
    part = rest.substr(0, rest.find('\0'));
    rest.remove_prefix(std::min(rest.size(), part.size() + 1));
  }
  Rig rig(Rig::NotStarted);
  rig.stored = {parts[0], parts[1], parts[2]};
  if (!parts[3].empty()) rig.keptAlarm = parts[3];
  rig.onRing = [&] { rig.Snooze(); };
  rig.StartProgram();
  const auto kept = ReadRecord(parts[3]);
  if (kept && ReadRecord(RecordText(*kept)) != kept) std::abort();
  if ((rig.State() != AlarmState::Off) != (!parts[3].empty() && kept)) std::abort();
  if (rig.keptAlarm.has_value() == parts[3].empty()) std::abort();
  if (rig.State() != AlarmState::Off) rig.Toggle();
  rig.Toggle();
  if (rig.State() == AlarmState::Armed) {  // at the time the status line shows, H:MM
    const std::string status = rig.Main(MainControl::StatusLabel);
    const std::size_t colon = status.rfind(':');
    rig.TickAt(std::stoi(status.substr(status.rfind(' ', colon) + 1)),
               std::stoi(status.substr(colon + 1)));
    if (rig.State() != AlarmState::Snoozing) std::abort();
  }
  rig.program.mainWindow.Exit();
  for (const std::string& saved : {rig.stored.hour, rig.stored.minute, rig.stored.snoozeDelay}) {
    if (numbers::NumberText(numbers::LeadingNumber(saved)) != saved) std::abort();
  }
  return 0;
}
