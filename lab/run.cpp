#include "lab/run.h"

namespace ovali {

LabRun::LabRun(Experiment e) : experiment_(std::move(e)), games_(jobCount(experiment_)) {
  results_ = combine(experiment_, {});
}

void LabRun::deliver(std::size_t job, RepeatResult game) {
  if (job >= games_.size() || games_[job] || game.stopped) return;
  games_[job] = std::move(game);
  ++done_;
  ++version_;
  std::vector<const RepeatResult*> byJob(games_.size(), nullptr);
  for (std::size_t j = 0; j < games_.size(); ++j) {
    if (games_[j]) byJob[j] = &*games_[j];
  }
  results_ = combine(experiment_, byJob);
}

void InlineWorkers::start(const Experiment& e) {
  experiment_ = e;
  next_ = 0;
}

void InlineWorkers::collect(LabRun& run) {
  if (!experiment_ || next_ >= jobCount(*experiment_)) return;
  const std::size_t job = next_++;
  run.deliver(job, playRepeat(*experiment_, variantOfJob(*experiment_, job),
                              repeatOfJob(*experiment_, job)));
}

}  // namespace ovali
