#pragma once

#include <string>

#include <windows.h>

#include "interfaces/result.h"

namespace dawnquill {

// The system's own words for an error code, for the log and the boxes; its number where it has
// none.
std::string SystemReason(DWORD code);
// The thread's last error, as the failure of what was just asked; some calls fail without one.
Failure LastFailure();

}  // namespace dawnquill
