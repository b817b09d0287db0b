#include "web/webtoolkit.h"

#include <emscripten.h>

#include <cmath>

#include "view/drawing.h"
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
  // At least its design size, larger with the picture on a large screen.
  const std::string picture =
      chart ? svgOf(drawingOf({*chart}), page_ ? std::fmax(1.0, page_->scale()) : 1.0) : "";
  const int depth = ovali_box(text.data(), static_cast<int>(text.size()), picture.c_str());
  while (ovali_box_open(depth)) wait(-1);
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
