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

}  // namespace ovali
