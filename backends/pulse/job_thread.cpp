#include "backends/pulse/job_thread.h"

#include <condition_variable>
#include <deque>
#include <mutex>

namespace dawnquill {

// Shared with the thread, so that a thread left behind still has its queue.
struct JobThread::Queue {
  std::mutex mutex;
  std::condition_variable changed;
  std::deque<Job> jobs;
  bool ending = false;
  bool ended = false;
};

JobThread::JobThread(std::chrono::milliseconds endWait)
    : endWait_(endWait),
      queue_(std::make_shared<Queue>()),
      poster_([queue = queue_](Job job) {
        const std::lock_guard lock(queue->mutex);
        if (queue->ended) return;
        queue->jobs.push_back(std::move(job));
        queue->changed.notify_all();
      }),
      thread_([queue = queue_] {
        std::unique_lock lock(queue->mutex);
        for (;;) {
          queue->changed.wait(lock, [&] { return queue->ending || !queue->jobs.empty(); });
          if (queue->jobs.empty()) break;
          Job job = std::move(queue->jobs.front());
          queue->jobs.pop_front();
          lock.unlock();
          job();
          job = nullptr;  // what it holds goes on this thread, before the next job
          lock.lock();
        }
        queue->ended = true;
        queue->changed.notify_all();
      }) {}

JobThread::~JobThread() {
  std::unique_lock lock(queue_->mutex);
  queue_->ending = true;
  queue_->changed.notify_all();
  const bool ended = queue_->changed.wait_for(lock, endWait_, [this] { return queue_->ended; });
  lock.unlock();
  if (ended) {
    thread_.join();
  } else {
    thread_.detach();
  }
}

}  // namespace dawnquill
