// One of the page's lab workers: a module of its own beside the page's, the
// game library and nothing else, that plays the games the page hands it
// (web/js/labworker.js carries the messages). Nothing in it ever waits, so it
// is built without Asyncify and its rounds run at the library's full speed.

#include <emscripten.h>

#include <optional>
#include <vector>

#include "lab/repeat.h"
#include "lab/results.h"
#include "lab/wire.h"

namespace {

std::optional<ovali::Experiment> experiment;
std::vector<double> numbers;  // the last game's results

}  // namespace

// The experiment whose games come next, as encodeExperiment wrote it; 0 when
// it is not one.
extern "C" EMSCRIPTEN_KEEPALIVE int ovali_worker_experiment(const char* text, int size) {
  experiment = ovali::decodeExperiment({text, static_cast<std::size_t>(size)});
  return experiment ? 1 : 0;
}

// Plays the experiment's job `job`; how many numbers its results are, which
// ovali_worker_numbers then holds, or -1 when there is no such job.
extern "C" EMSCRIPTEN_KEEPALIVE int ovali_worker_play(int job) {
  if (!experiment || job < 0 || static_cast<std::size_t>(job) >= jobCount(*experiment)) return -1;
  const auto j = static_cast<std::size_t>(job);
  numbers = ovali::encodeRepeat(ovali::playRepeat(*experiment, ovali::variantOfJob(*experiment, j),
                                                  ovali::repeatOfJob(*experiment, j)));
  return static_cast<int>(numbers.size());
}

extern "C" EMSCRIPTEN_KEEPALIVE const double* ovali_worker_numbers() { return numbers.data(); }
