#include "core/logger.h"

namespace dawnquill::logger {
namespace {

LogSink* sink = nullptr;  // one user-interface thread writes, so no lock

}  // namespace

void SetSink(LogSink* newSink) { sink = newSink; }

void Write(std::string_view line) {
  if (sink != nullptr) sink->Line(line);
}

}  // namespace dawnquill::logger
