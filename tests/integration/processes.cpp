#include "integration/processes.h"

#include <array>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <utility>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace dawnquill::testing {

Child::Child(const std::vector<std::string>& argv, const std::vector<std::string>& env) {
  std::vector<std::string> environment(env);
  for (char** e = environ; *e != nullptr; ++e) environment.emplace_back(*e);
  std::vector<char*> args;
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  std::vector<char*> envp;
  for (const auto& e : environment) envp.push_back(const_cast<char*>(e.c_str()));
  envp.push_back(nullptr);
  if (posix_spawnp(&pid_, args[0], nullptr, nullptr, args.data(), envp.data()) != 0) {
    throw std::runtime_error("cannot start " + argv[0]);
  }
}

Child::Child(Child&& other) noexcept : pid_(std::exchange(other.pid_, -1)) {}

Child& Child::operator=(Child&& other) noexcept {
  Stop();
  pid_ = std::exchange(other.pid_, -1);
  return *this;
}

bool Child::Running() {
  if (pid_ <= 0) return false;
  int status = 0;
  if (waitpid(pid_, &status, WNOHANG) == pid_) {
    pid_ = -1;
    return false;
  }
  return true;
}

void Child::Stop() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  if (!WaitFor([&] { return !Running(); }, std::chrono::seconds(1))) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  pid_ = -1;
}

PrivateBus::PrivateBus() {
  FILE* out = popen("dbus-daemon --session --fork --print-address=1 --print-pid=1", "r");
  if (out == nullptr) throw std::runtime_error("cannot start dbus-daemon");
  std::array<char, 512> line{};
  if (fgets(line.data(), line.size(), out) != nullptr) address_ = line.data();
  if (fgets(line.data(), line.size(), out) != nullptr) pid_ = std::atoi(line.data());
  pclose(out);
  while (!address_.empty() && address_.back() == '\n') address_.pop_back();
  if (address_.empty() || pid_ <= 0) throw std::runtime_error("dbus-daemon gave no address");
}

PrivateBus::~PrivateBus() {
  if (pid_ > 0) kill(pid_, SIGTERM);
}

}  // namespace dawnquill::testing
