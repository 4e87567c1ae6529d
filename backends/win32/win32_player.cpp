#include "backends/win32/win32_player.h"

#include "backends/win32/win32_reason.h"
#include "backends/win32/win32_text.h"

namespace dawnquill {

bool Win32Player::Find() {
  window_ = FindWindowA(kWindowClass, nullptr);
  return window_ != nullptr;
}

// A send, not a post: the player has handled the command when this returns, so it plays before
// the alarm counts as ringing. A player that does not answer within the bound, or whose window
// has gone since the search, has not taken it: a hung player must not hold the alarm clock.
namespace {

Failure SendFailure() {
  // Some systems leave no error behind for a timeout.
  const DWORD error = GetLastError();
  return Failure{SystemReason(error == ERROR_SUCCESS ? ERROR_TIMEOUT : error)};
}

}  // namespace

Result<> Win32Player::Send(PlayerCommand command) {
  const WPARAM number = command == PlayerCommand::Play ? kPlay : kStop;
  if (window_ == nullptr) return Failure{SystemReason(ERROR_INVALID_WINDOW_HANDLE)};
  SetLastError(ERROR_SUCCESS);
  if (SendMessageTimeoutA(window_, WM_COMMAND, number, 0, SMTO_ABORTIFHUNG, kCallLimitMs,
                          nullptr) != 0) {
    return {};
  }
  return SendFailure();
}

Result<LRESULT> Win32Player::Ask(WPARAM wParam, LPARAM code) const {
  if (window_ == nullptr) return Failure{SystemReason(ERROR_INVALID_WINDOW_HANDLE)};
  SetLastError(ERROR_SUCCESS);
  DWORD_PTR answer = 0;
  if (SendMessageTimeoutW(window_, WM_USER, wParam, code, SMTO_ABORTIFHUNG, kCallLimitMs,
                          &answer) == 0) {
    return SendFailure();
  }
  return static_cast<LRESULT>(answer);
}

Result<> Win32Player::Append(const std::string& what) const {
  std::wstring path = Wide(what);
  COPYDATASTRUCT data{.dwData = kPlayFileWide,
                      .cbData = static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)),
                      .lpData = path.data()};
  SetLastError(ERROR_SUCCESS);
  if (SendMessageTimeoutW(window_, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                          SMTO_ABORTIFHUNG, kCallLimitMs, nullptr) == 0) {
    return SendFailure();
  }
  return {};
}

// A list of the length it had after the last append still holds that entry where it was put; a
// list the user changed since may not, and gets the track again.
void Win32Player::Open(const std::string& uri, const std::string& path,
                       std::optional<ListEntry> again, Opened opened) {
  Result<LRESULT> length = Ask(0, kListLength);
  if (!length) return opened(Failure{length.Reason()});
  ListEntry entry;
  if (again && *length == again->length) {
    entry = *again;
  } else {
    if (Result<> appended = Append(path.empty() ? uri : path); !appended) {
      return opened(Failure{appended.Reason()});
    }
    length = Ask(0, kListLength);
    if (!length) return opened(Failure{length.Reason()});
    if (*length < 1) return opened(Failure{"the player's list stayed empty"});
    entry = {.index = static_cast<int>(*length - 1), .length = static_cast<int>(*length)};
  }
  if (Result<LRESULT> selected = Ask(static_cast<WPARAM>(entry.index), kSetListPosition);
      !selected) {
    return opened(Failure{selected.Reason()});
  }
  opened(std::optional<ListEntry>{entry});
}

void Win32Player::ReadPlaying(std::function<void(Result<PlayingNow>)> read) {
  const Result<LRESULT> position = Ask(0, kListPosition);
  if (!position) return read(Failure{position.Reason()});
  read(PlayingNow{.url = {}, .position = static_cast<int>(*position)});
}

}  // namespace dawnquill
