#pragma once

// The lab's games on threads, for the native programs; the page plays them
// on web workers instead. Header only, so that the WebAssembly library,
// which has no threads, does not build it.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "lab/run.h"

#ifdef __linux__
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

namespace ovali {

class ThreadWorkers final : public LabWorkers {
 public:
  // `threads` 0 takes one thread per core.
  explicit ThreadWorkers(int threads = 0)
      : threads_(threads > 0 ? threads
                             : std::max(1, static_cast<int>(std::thread::hardware_concurrency()))) {
  }
  ~ThreadWorkers() override { stop(); }
  ThreadWorkers(const ThreadWorkers&) = delete;
  ThreadWorkers& operator=(const ThreadWorkers&) = delete;

  void start(const Experiment& e) override {
    stop();
    experiment_ = e;
    jobs_ = jobCount(experiment_);
    slots_ = std::make_unique<Slot[]>(jobs_);
    delivered_.assign(jobs_, false);
    next_ = 0;
    stopping_ = false;
    {
      std::lock_guard lock(mutex_);
      finished_ = 0;
    }
    const auto count = std::min<std::size_t>(static_cast<std::size_t>(threads_), jobs_);
    for (std::size_t t = 0; t < count; ++t) pool_.emplace_back([this] { work(); });
  }

  void collect(LabRun& run) override {
    for (std::size_t j = 0; j < jobs_; ++j) {
      if (delivered_[j] || !slots_[j].ready.load(std::memory_order_acquire)) continue;
      delivered_[j] = true;
      run.deliver(j, std::move(slots_[j].game));
    }
  }

  void stop() override {
    stopping_ = true;
    pool_.clear();  // joins
  }

  int parallel() const override { return threads_; }

  // Waits until another game is finished, every game is, or `timeout` has
  // passed.
  void wait(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    const std::size_t seen = finished_;
    changed_.wait_for(lock, timeout, [&] { return finished_ != seen || finished_ == jobs_; });
  }

 private:
  struct Slot {
    RepeatResult game;
    std::atomic<bool> ready{false};
  };

  void work() {
#ifdef __linux__
    // The games give way to the window's thread: a class watching the game
    // beside the lab sees every frame, and the lab still has every core
    // the window leaves.
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
#endif
    for (;;) {
      const std::size_t job = next_.fetch_add(1);
      if (job >= jobs_ || stopping_.load()) return;
      RepeatResult game = playRepeat(experiment_, variantOfJob(experiment_, job),
                                     repeatOfJob(experiment_, job), &stopping_);
      if (game.stopped) return;
      slots_[job].game = std::move(game);
      slots_[job].ready.store(true, std::memory_order_release);
      {
        std::lock_guard lock(mutex_);
        ++finished_;
      }
      changed_.notify_all();
    }
  }

  int threads_;
  Experiment experiment_;
  std::size_t jobs_ = 0;
  std::unique_ptr<Slot[]> slots_;
  std::vector<bool> delivered_;
  std::atomic<std::size_t> next_{0};
  std::atomic<bool> stopping_{false};
  std::mutex mutex_;
  std::condition_variable changed_;
  std::size_t finished_ = 0;
  // Last, so that its threads are joined before anything they use goes.
  std::vector<std::jthread> pool_;
};

}  // namespace ovali
