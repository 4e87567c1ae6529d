#include "backends/win32/win32_player_listener.h"

#include <audiopolicy.h>
#include <mmdeviceapi.h>

#include "core/call_limit.h"

// mingw-w64 names this interface without declaring it.
MIDL_INTERFACE("C02216F6-8C67-4B5B-9D00-D008E73E0064")
IAudioMeterInformation : public IUnknown {
 public:
  virtual HRESULT STDMETHODCALLTYPE GetPeakValue(float* peak) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetMeteringChannelCount(UINT * count) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetChannelsPeakValues(UINT32 count, float* peaks) = 0;
  virtual HRESULT STDMETHODCALLTYPE QueryHardwareSupport(DWORD * mask) = 0;
};
__CRT_UUID_DECL(IAudioMeterInformation, 0xc02216f6, 0x8c67, 0x4b5b, 0x9d, 0x00, 0xd0, 0x08, 0xe7,
                0x3e, 0x00, 0x64)

namespace dawnquill {

// Shared by the asking thread and the thread that answers: the last of the two to let go frees it.
struct Win32PlayerListener::Question {
  DWORD process;
  StreamSound stream = StreamSound::Unknown;
  volatile LONG answered = 0;
  volatile LONG holders = 2;

  void LetGo() {
    if (InterlockedDecrement(&holders) == 0) delete this;
  }
};

namespace {

// Releases a COM interface at the end of its scope.
template <typename T>
struct Held {
  T* p = nullptr;
  ~Held() {
    if (p != nullptr) p->Release();
  }
  T* operator->() const { return p; }
  void** Out() { return reinterpret_cast<void**>(&p); }
};

// One session of the process's: silent when muted or at volume 0, sounding above a peak of 0.
StreamSound SessionSound(IAudioSessionControl* control) {
  Held<ISimpleAudioVolume> volume;
  Held<IAudioMeterInformation> meter;
  BOOL muted = FALSE;
  float level = 1;
  float peak = 0;
  if (FAILED(control->QueryInterface(__uuidof(ISimpleAudioVolume), volume.Out())) ||
      FAILED(volume->GetMute(&muted)) || FAILED(volume->GetMasterVolume(&level)) ||
      FAILED(control->QueryInterface(__uuidof(IAudioMeterInformation), meter.Out())) ||
      FAILED(meter->GetPeakValue(&peak))) {
    return StreamSound::Unknown;
  }
  if (muted || level <= 0) return StreamSound::Silent;
  return peak > 0 ? StreamSound::Flowing : StreamSound::Quiet;
}

// How the process's sessions on the default output sound. No active session counts as quiet:
// a player just told to play may not have opened one yet.
StreamSound ProcessSound(DWORD process) {
  Held<IMMDeviceEnumerator> devices;
  Held<IMMDevice> output;
  Held<IAudioSessionManager2> manager;
  Held<IAudioSessionEnumerator> sessions;
  int count = 0;
  if (FAILED(CoCreateInstance(__uuidof(MMDeviceEnumerator), nullptr, CLSCTX_ALL,
                              __uuidof(IMMDeviceEnumerator), devices.Out())) ||
      FAILED(devices->GetDefaultAudioEndpoint(eRender, eConsole, &output.p)) ||
      FAILED(
          output->Activate(__uuidof(IAudioSessionManager2), CLSCTX_ALL, nullptr, manager.Out())) ||
      FAILED(manager->GetSessionEnumerator(&sessions.p)) || FAILED(sessions->GetCount(&count))) {
    return StreamSound::Unknown;
  }
  StreamSound sound = StreamSound::Quiet;
  for (int i = 0; i < count; ++i) {
    Held<IAudioSessionControl> control;
    Held<IAudioSessionControl2> session;
    DWORD owner = 0;
    AudioSessionState state = AudioSessionStateInactive;
    if (FAILED(sessions->GetSession(i, &control.p)) ||
        FAILED(control->QueryInterface(__uuidof(IAudioSessionControl2), session.Out())) ||
        FAILED(session->GetProcessId(&owner)) || owner != process ||
        FAILED(control->GetState(&state)) || state != AudioSessionStateActive) {
      continue;
    }
    const StreamSound one = SessionSound(control.p);
    if (one == StreamSound::Flowing || one == StreamSound::Unknown) return one;
    if (one == StreamSound::Silent) sound = StreamSound::Silent;
  }
  return sound;
}

DWORD WINAPI Ask(void* asked) {
  auto* question = static_cast<Win32PlayerListener::Question*>(asked);
  if (SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {
    question->stream = ProcessSound(question->process);
    CoUninitialize();
  }
  InterlockedExchange(&question->answered, 1);
  question->LetGo();
  return 0;
}

Win32PlayerListener* listening = nullptr;  // the one whose question the poll waits for

}  // namespace

void Win32PlayerListener::Listen(std::function<void(const PlayerSound&)> heard) {
  Done();
  DWORD process = 0;
  if (player_.Window() == nullptr || GetWindowThreadProcessId(player_.Window(), &process) == 0) {
    return events_.Later([heard = std::move(heard)] { heard({}); });
  }
  auto* question = new Question{.process = process};
  const HANDLE thread = CreateThread(nullptr, 0, Ask, question, 0, nullptr);
  if (thread == nullptr) {
    delete question;
    return events_.Later([heard = std::move(heard)] { heard({}); });
  }
  CloseHandle(thread);
  asked_ = question;
  heard_ = std::move(heard);
  deadline_ = GetTickCount64() + kCallLimitMs;
  listening = this;
  poll_ = SetTimer(nullptr, 0, 50, Poll);
}

void CALLBACK Win32PlayerListener::Poll(HWND /*window*/, UINT /*message*/, UINT_PTR /*timer*/,
                                        DWORD /*time*/) {
  Win32PlayerListener* self = listening;
  if (self == nullptr || self->asked_ == nullptr) return;
  if (InterlockedCompareExchange(&self->asked_->answered, 0, 0) != 0) {
    self->Answer(self->asked_->stream);
  } else if (GetTickCount64() >= self->deadline_) {
    self->Answer(StreamSound::Unknown);
  }
}

void Win32PlayerListener::Answer(StreamSound stream) {
  const std::function<void(const PlayerSound&)> heard = std::move(heard_);
  Done();
  heard({.stream = stream});
}

void Win32PlayerListener::Done() {
  if (poll_ != 0) KillTimer(nullptr, poll_);
  poll_ = 0;
  if (asked_ != nullptr) asked_->LetGo();
  asked_ = nullptr;
  heard_ = nullptr;
  listening = nullptr;
}

}  // namespace dawnquill
