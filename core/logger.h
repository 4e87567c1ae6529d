#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "interfaces/log_sink.h"

// The one logger: a line for each arming, ring, snooze, off, restore, wake-up and failure, so that
// a ring that did not come can be traced afterwards. Nothing at idle: a tick that changes nothing
// says nothing. Lines go nowhere until a platform gives the logger its sink.
namespace dawnquill::logger {

// The sink must outlive every line; nullptr stops the lines.
void SetSink(LogSink* sink);
// One line, of these parts one after the other: joined here, once, not at every caller.
void Write(Level level, std::initializer_list<std::string_view> parts);
inline void Write(std::initializer_list<std::string_view> parts) { Write(Level::Info, parts); }
// The parts of a line one after the other, for a line that is written later.
std::string Joined(std::initializer_list<std::string_view> parts);

}  // namespace dawnquill::logger
