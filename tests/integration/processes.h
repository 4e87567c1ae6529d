#pragma once

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include <sys/types.h>

// Child processes that a test starts and always ends, by PID.
namespace dawnquill::testing {

class Child {
 public:
  Child() = default;
  // Starts `argv` with `env` added to this process's environment.
  Child(const std::vector<std::string>& argv, const std::vector<std::string>& env = {});
  Child(Child&& other) noexcept;
  Child& operator=(Child&& other) noexcept;
  ~Child() { Stop(); }

  pid_t Pid() const { return pid_; }
  bool Running();
  // SIGTERM, then SIGKILL if it has not gone within a second; reaps it.
  void Stop();

 private:
  pid_t pid_ = -1;
};

// A private session bus that lives as long as the object.
class PrivateBus {
 public:
  PrivateBus();
  ~PrivateBus();
  PrivateBus(const PrivateBus&) = delete;
  PrivateBus& operator=(const PrivateBus&) = delete;

  const std::string& Address() const { return address_; }

 private:
  std::string address_;
  pid_t pid_ = -1;
};

// Polls `done` every 20 ms until it is true or `limit` has passed; returns its last answer.
template <typename Done>
bool WaitFor(Done done, std::chrono::milliseconds limit = std::chrono::seconds(5)) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return done();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

}  // namespace dawnquill::testing
