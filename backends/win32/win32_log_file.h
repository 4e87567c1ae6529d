#pragma once

#include <windows.h>

#include "interfaces/log_sink.h"

namespace dawnquill {

// Lines in %LOCALAPPDATA%\DawnQuill\DawnQuill.log, each after the local time it was written and,
// but for what merely happened, its level ("warning: ", "error: "). Kept short: past 64 KB at the
// start it becomes DawnQuill.old.log, replacing the one before.
class Win32LogFile final : public LogSink {
 public:
  Win32LogFile();

  void Line(logger::Level level, std::string_view text) override;

 private:
  wchar_t path_[MAX_PATH] = L"";  // empty when there is nowhere to write
};

}  // namespace dawnquill
