#include "backends/win32/win32_alarm_sound.h"

#include <windows.h>

#include <mmsystem.h>

namespace dawnquill {

void Win32AlarmSound::Start(Reported reported) {
  if (sounding_) return;
  // No default sound in its place: a missing tone is reported, not replaced by a beep once.
  sounding_ = PlaySoundW(kResource, GetModuleHandleW(nullptr),
                         SND_RESOURCE | SND_ASYNC | SND_LOOP | SND_NODEFAULT) != FALSE;
  if (sounding_) return reported({});
  reported(Failure{"the system plays no sound"});
}

void Win32AlarmSound::Stop() {
  if (!sounding_) return;
  PlaySoundW(nullptr, nullptr, 0);
  sounding_ = false;
}

}  // namespace dawnquill
