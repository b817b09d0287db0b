#pragma once

#include <optional>

#include "lab/run.h"

namespace ovali {

// The lab's games on the page's Web Workers (web/js/labworkers.js), each
// running the worker module (web/labworker.cpp) on its own core. Where no
// worker can be made, or one fails, the page plays the games itself, one a
// frame, as InlineWorkers do. A result that arrives, or a game due to be
// played here, wakes the page's event loop, so that the panel fills in while
// the game sleeps.
class WebLabWorkers final : public LabWorkers {
 public:
  void start(const Experiment& e) override;
  void collect(LabRun& run) override;
  void stop() override;
  int parallel() const override;
  bool playsWhenCollecting() const override { return here_; }

 private:
  void playHere();

  std::optional<Experiment> experiment_;
  bool onWorkers_ = false;
  bool here_ = false;
  InlineWorkers inline_;
};

}  // namespace ovali
