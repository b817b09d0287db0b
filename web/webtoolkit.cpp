#include "web/webtoolkit.h"

#include <emscripten.h>

#include <cmath>

#include "view/drawing.h"
#include "view/messagebox.h"
#include "web/bridges.h"
#include "web/page.h"

namespace ovali {

void WebToolkit::wait(double ms) {
  if (page_) page_->sync();
  ovali_wait_event(ms);
  lastYield_ = emscripten_get_now();
  if (page_) page_->dispatch();
}

void WebToolkit::show() {
  if (page_) page_->sync();
}

void WebToolkit::box(std::string_view text, const Chart* chart) {
  const MessageBox box = messageBoxOf(text, chart, page_ ? page_->scale() : 1);
  const std::string data = pageDataOf(box);
  const std::string picture = box.chart ? svgOf(*box.chart, box.chartScale) : std::string();
  const int depth = ovali_box(data.data(), static_cast<int>(data.size()), picture.c_str());
  while (ovali_box_open(depth)) {
    wait(-1);
    // Ctrl+C in the box: the page said what is selected in it.
    const int size = ovali_box_copy_size(depth);
    if (size < 0) continue;
    std::string selected(static_cast<std::size_t>(size) + 1, '\0');
    ovali_box_copy_take(depth, selected.data(), static_cast<int>(selected.size()));
    selected.resize(selected.size() - 1);
    if (page_) page_->copy(copiedText(box, selected));
  }
}

void WebToolkit::pass() {
  const double now = emscripten_get_now();
  if (now - lastYield_ < std::fmax(kShortestRunMs, kFramePeriodMs - screenMs_)) return;
  if (page_) page_->sync();
  ovali_yield();
  lastYield_ = emscripten_get_now();
  screenMs_ = 0.75 * screenMs_ + 0.25 * (lastYield_ - now);
  if (page_) page_->dispatch();
}

void WebToolkit::beep() { ovali_beep(); }

double WebToolkit::timer() { return ovali_seconds_since_midnight(); }

void WebToolkit::randomize() { random_.reseed(static_cast<std::uint64_t>(ovali_clock_seed())); }

void WebToolkit::end() {
  ovali_end();
  // The stack is put aside for good: nothing after this runs.
  for (;;) ovali_sleep_forever();
}

}  // namespace ovali
