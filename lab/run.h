#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "lab/experiment.h"
#include "lab/repeat.h"
#include "lab/results.h"

namespace ovali {

// An experiment being played: the games finished so far, in job order, and
// their results combined.
class LabRun {
 public:
  explicit LabRun(Experiment e);

  const Experiment& experiment() const { return experiment_; }
  std::size_t jobs() const { return games_.size(); }
  std::size_t done() const { return done_; }
  bool finished() const { return done_ == games_.size(); }

  // A job's game, played to its end; a stopped one, or one already
  // delivered, is not taken.
  void deliver(std::size_t job, RepeatResult game);

  const LabResults& results() const { return results_; }
  // Changes whenever a game is delivered.
  std::uint64_t version() const { return version_; }

 private:
  Experiment experiment_;
  std::vector<std::optional<RepeatResult>> games_;
  std::size_t done_ = 0;
  LabResults results_;
  std::uint64_t version_ = 0;
};

// Who plays an experiment's games: a service of the front end, as the clock
// is. Natively a pool of threads, in a page web workers; the games are the
// same whoever plays them.
class LabWorkers {
 public:
  virtual ~LabWorkers() = default;
  // Starts playing every job of `e`, ending whatever was played before.
  virtual void start(const Experiment& e) = 0;
  // Delivers to `run` the games finished since the last call.
  virtual void collect(LabRun& run) = 0;
  // Ends every game at once; nothing is delivered after it.
  virtual void stop() = 0;
  // How many games are played at the same time.
  virtual int parallel() const = 0;
  // Collecting plays a game rather than taking in finished ones.
  virtual bool playsWhenCollecting() const { return false; }
};

// Plays the games one at a time on the caller's thread, one game at each
// collect: where there is nothing else to play them (a page without
// workers), and for tests.
class InlineWorkers final : public LabWorkers {
 public:
  void start(const Experiment& e) override;
  void collect(LabRun& run) override;
  void stop() override { experiment_.reset(); }
  int parallel() const override { return 1; }
  bool playsWhenCollecting() const override { return true; }

 private:
  std::optional<Experiment> experiment_;
  std::size_t next_ = 0;
};

}  // namespace ovali
