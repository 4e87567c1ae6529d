#include "core/logger.h"

#include <string>

namespace dawnquill::logger {
namespace {

LogSink* sink = nullptr;  // one user-interface thread writes, so no lock

}  // namespace

void SetSink(LogSink* newSink) { sink = newSink; }

void Write(Level level, std::initializer_list<std::string_view> parts) {
  if (sink != nullptr) sink->Line(level, Joined(parts));
}

std::string Joined(std::initializer_list<std::string_view> parts) {
  std::string line;
  for (const std::string_view part : parts) line += part;
  return line;
}

}  // namespace dawnquill::logger
