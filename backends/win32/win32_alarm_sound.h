#pragma once

#include "interfaces/alarm_sound.h"

namespace dawnquill {

// The alarm's tone from the executable's resources, looped by the system until stopped.
class Win32AlarmSound final : public AlarmSound {
 public:
  // The tone's name among the resources, as the resource script gives it.
  static constexpr const wchar_t* kResource = L"ALARM_TONE";

  ~Win32AlarmSound() override { Stop(); }
  void Start(Reported reported) override;
  void Stop() override;

 private:
  bool sounding_ = false;
};

}  // namespace dawnquill
