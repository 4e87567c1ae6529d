#include "backends/win32/win32_alarm_sound.h"

#include <windows.h>

#include <mmsystem.h>

#include "core/logger.h"

namespace dawnquill {

void Win32AlarmSound::Start() {
  if (sounding_) return;
  // No default sound in its place: a missing tone is logged, not replaced by a beep once.
  sounding_ = PlaySoundA(kResource, GetModuleHandleA(nullptr),
                         SND_RESOURCE | SND_ASYNC | SND_LOOP | SND_NODEFAULT) != FALSE;
  if (!sounding_) logger::Write({"The alarm's own sound cannot play"});
}

void Win32AlarmSound::Stop() {
  if (!sounding_) return;
  PlaySoundA(nullptr, nullptr, 0);
  sounding_ = false;
}

}  // namespace dawnquill
