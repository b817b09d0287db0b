// ovali-lab: plays an experiment of the Explorations lab on every core and
// prints its tables on standard output.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "lab/chart.h"
#include "lab/command.h"
#include "lab/run.h"
#include "lab/threads.h"
#include "view/drawing.h"

namespace {

// "[########------------] 34/80 games, 3 s left", over itself.
void progress(const ovali::LabRun& run, std::chrono::steady_clock::duration spent) {
  constexpr int kWidth = 20;
  const double share = run.jobs() > 0 ? double(run.done()) / double(run.jobs()) : 1;
  std::string bar(static_cast<std::size_t>(share * kWidth), '#');
  bar.resize(kWidth, '-');
  std::string left;
  if (run.done() > 0) {
    const double seconds = std::chrono::duration<double>(spent).count() * (1 - share) / share;
    left = ", " + std::to_string(static_cast<long>(seconds + 0.5)) + " s left";
  }
  std::fprintf(stderr, "\r[%s] %zu/%zu games%s   ", bar.c_str(), run.done(), run.jobs(),
               left.c_str());
  std::fflush(stderr);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  std::string error;
  const auto command = ovali::readLabCommand(args, error);
  if (!command) {
    std::fprintf(stderr, "ovali-lab: %s\n", error.c_str());
    return 2;
  }
  if (command->list) {
    for (std::string_view name : ovali::kExperimentNames) {
      std::printf("%.*s\n", static_cast<int>(name.size()), name.data());
    }
    return 0;
  }
  const bool terminal = isatty(STDERR_FILENO) != 0;
  ovali::LabRun run(command->experiment);
  ovali::ThreadWorkers workers(command->threads);
  const auto start = std::chrono::steady_clock::now();
  workers.start(run.experiment());
  while (!run.finished()) {
    workers.wait(std::chrono::milliseconds(250));
    workers.collect(run);
    if (terminal) progress(run, std::chrono::steady_clock::now() - start);
  }
  if (terminal) std::fputs("\n", stderr);
  const std::string table = ovali::labTable(run.experiment(), run.results());
  std::fwrite(table.data(), 1, table.size(), stdout);
  const std::string sentence = ovali::labSentence(run.experiment(), run.results());
  std::fprintf(stderr, "%s\n", sentence.c_str());
  bool written = std::fflush(stdout) == 0;
  if (!command->svg.empty()) {
    const std::string svg =
        ovali::svgOf(ovali::drawingOf(ovali::labCharts(run.experiment(), run.results())), 2);
    std::FILE* file = std::fopen(command->svg.c_str(), "wb");
    written = file && std::fwrite(svg.data(), 1, svg.size(), file) == svg.size();
    if (file) written = std::fclose(file) == 0 && written;
    if (!written) std::fprintf(stderr, "ovali-lab: could not write %s\n", command->svg.c_str());
  }
  return written ? 0 : 1;
}
