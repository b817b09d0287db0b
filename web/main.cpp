// The game as a web page: the window's model, the page that shows it and the
// toolkit on the browser's services, run as one event loop like the desktop's.

#include <emscripten.h>

#include <cstdint>

#include "commands/routes.h"
#include "view/form1.h"
#include "web/labworkers.h"
#include "web/page.h"
#include "web/webtoolkit.h"

namespace {

ovali::WebToolkit* toolkit = nullptr;

}  // namespace

// For the browser tests only: a known seed makes a game repeatable, so that
// the page's analysis can be compared with the native library's.
extern "C" EMSCRIPTEN_KEEPALIVE void ovali_test_seed(double seed) {
  if (toolkit) toolkit->seed(static_cast<std::uint64_t>(seed));
}

int main() {
  static ovali::WebToolkit tk;
  static ovali::Form1 f(tk);
  static ovali::WebLabWorkers workers;
  static ovali::Page page(f, ovali::gameHandlers(), &workers);
  toolkit = &tk;
  tk.attach(&page);
  ovali::Form_Load(f);
  page.open();
  for (;;) tk.wait(-1);
}
