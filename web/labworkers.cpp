#include "web/labworkers.h"

#include <algorithm>
#include <string>
#include <vector>

#include "lab/results.h"
#include "lab/wire.h"
#include "web/bridges.h"

namespace ovali {

void WebLabWorkers::start(const Experiment& e) {
  stop();
  experiment_ = e;
  const std::string text = encodeExperiment(e);
  const auto jobs = static_cast<int>(jobCount(e));
  onWorkers_ = ovali_lab_workers_start(text.data(), static_cast<int>(text.size()), jobs) > 0;
  if (!onWorkers_) playHere();
}

void WebLabWorkers::playHere() {
  // From the first job: the games already in are played again and dropped,
  // which costs little, as a worker fails, if at all, when it starts.
  onWorkers_ = false;
  here_ = true;
  inline_.start(*experiment_);
  ovali_lab_wake();
}

void WebLabWorkers::collect(LabRun& run) {
  if (onWorkers_) {
    bool failed = false;
    int job = 0;
    for (int size = ovali_lab_workers_take(&job); size >= 0; size = ovali_lab_workers_take(&job)) {
      std::vector<double> numbers(static_cast<std::size_t>(size));
      ovali_lab_workers_copy(numbers.data());
      std::optional<RepeatResult> game = decodeRepeat(numbers);
      if (!game) {
        failed = true;
        break;
      }
      run.deliver(static_cast<std::size_t>(job), std::move(*game));
    }
    if (!failed && !ovali_lab_workers_failed()) return;
    ovali_lab_workers_stop();
    playHere();
  }
  if (!here_) return;
  inline_.collect(run);
  if (!run.finished()) ovali_lab_wake();
}

void WebLabWorkers::stop() {
  if (onWorkers_) ovali_lab_workers_stop();
  onWorkers_ = here_ = false;
  inline_.stop();
}

int WebLabWorkers::parallel() const {
  return here_ ? 1 : std::max(1, ovali_lab_workers_parallel());
}

}  // namespace ovali
