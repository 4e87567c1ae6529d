#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

namespace dawnquill {

// A thread of its own that runs the jobs posted to it one after the other, for calls that may
// wait on another program without bound: the event loop's thread posts them and goes on.
class JobThread {
 public:
  using Job = std::function<void()>;
  // Posts a job to the thread; copies may outlive the JobThread, and post nothing once its thread
  // has ended.
  using Poster = std::function<void(Job)>;

  // `endWait`: how long the destructor waits for the jobs still due.
  explicit JobThread(std::chrono::milliseconds endWait);
  // The jobs still due run first. A thread that is still waiting after `endWait` is left to end
  // by itself: the program's end must not hang on a program that hangs.
  ~JobThread();
  JobThread(const JobThread&) = delete;
  JobThread& operator=(const JobThread&) = delete;

  void Post(Job job) { poster_(std::move(job)); }
  Poster Posting() const { return poster_; }

 private:
  struct Queue;

  std::chrono::milliseconds endWait_;
  std::shared_ptr<Queue> queue_;
  Poster poster_;
  std::thread thread_;
};

}  // namespace dawnquill
