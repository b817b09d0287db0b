#include "commands/analyze.h"

#include <optional>

#include "engine/transfer.h"
#include "stats/analysis.h"
#include "stats/chart.h"

namespace ovali {

void analyze(Form1& f) {
  flushsums(f.game);
  const GameState& g = f.game;
  if (g.ready != kTrue) {
    f.tk.msgbox("Click on \"Start\" first.");
    return;
  }
  const Distribution d = distributionOf(g);
  if (const std::optional<Chart> chart = distributionChart(d, g.units)) {
    f.tk.msgboxWithChart(report(g, d), *chart);
  } else {
    f.tk.msgbox(report(g, d));
  }
}

}  // namespace ovali
