#include "backends/pulse/lazy_sound_server.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <dlfcn.h>

#include "core/logger.h"

namespace dawnquill {
namespace {

// The file beside the executable, as in the build, or else where it is installed, given from the
// executable's folder.
std::string Found(const std::string& installed) {
  const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
  const QString path = QString::fromStdString(installed);
  const QString beside = folder + path.section(QLatin1Char('/'), -1);
  return (QFile::exists(beside) ? beside : folder + path).toStdString();
}

}  // namespace

// The server goes before its code: its threads end in its destructor, or, where one waits on a
// sound server that hangs, are left behind, which is why the module is never unmapped.
LazySoundServer::~LazySoundServer() {
  server_.reset();
  if (library_ != nullptr) dlclose(library_);
}

SoundServer* LazySoundServer::Loaded() {
  if (server_ || failed_) return server_.get();
  const std::string file = Found(module_);
  library_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  const auto make = library_ != nullptr
                        ? reinterpret_cast<MakeSoundServer>(dlsym(library_, kMakeSoundServer))
                        : nullptr;
  if (make == nullptr) {
    failed_ = true;
    const char* error = dlerror();
    logger::Write(
        {"The sound server cannot be reached, so the player is heard through its own "
         "word alone and the alarm has no sound of its own: ",
         error != nullptr ? error : file});
    return nullptr;
  }
  server_.reset(make(Found(tone_).c_str(), &log_));
  return server_.get();
}

void LazySoundServer::AskStreams(std::uint32_t pid, StreamAnswer answer) {
  if (SoundServer* server = Loaded()) return server->AskStreams(pid, std::move(answer));
  QTimer::singleShot(0, this,
                     [answer = std::move(answer)] { answer(StreamSound::Unknown, false); });
}

void LazySoundServer::CloseStreams() {
  if (server_) server_->CloseStreams();
}

void LazySoundServer::StartAlarmSound(Reported reported) {
  if (SoundServer* server = Loaded()) return server->StartAlarmSound(std::move(reported));
  reported(Failure{"the sound server cannot be reached"});
}

void LazySoundServer::StopAlarmSound() {
  if (server_) server_->StopAlarmSound();
}

}  // namespace dawnquill
