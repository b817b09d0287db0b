#include "web/webtoolkit.h"

#include <emscripten.h>

#include <cmath>

#include "view/drawing.h"
#include "view/messagebox.h"
#include "web/page.h"

// The functions the game sleeps in; the build lists them for Asyncify.
EM_JS(void, ovali_wait_event, (double ms),
      { return Asyncify.handleSleep(function(wakeUp) { Ovali.queue.wait(ms, wakeUp); }); });
EM_JS(void, ovali_yield, (),
      { return Asyncify.handleSleep(function(wakeUp) { Ovali.queue.soon(wakeUp); }); });
EM_JS(void, ovali_sleep_forever, (), { return Asyncify.handleSleep(function(wakeUp){}); });

EM_JS(int, ovali_box, (const char* text, int size, const char* picture),
      { return Ovali.msgbox.open(UTF8ToString(text, size), UTF8ToString(picture)); });
EM_JS(int, ovali_box_open, (int depth), { return Ovali.msgbox.isOpen(depth); });
EM_JS(int, ovali_box_copy_size, (int depth), {
  const text = Ovali.msgbox.copyAsked(depth);
  return text == null ? -1 : lengthBytesUTF8(text);
});
EM_JS(void, ovali_box_copy_take, (int depth, char* out, int size),
      { stringToUTF8(Ovali.msgbox.copyTaken(depth), out, size); });
EM_JS(void, ovali_beep, (), { Ovali.services.beep(); });
EM_JS(double, ovali_seconds_since_midnight, (), { return Ovali.services.secondsSinceMidnight(); });
EM_JS(double, ovali_clock_seed, (), { return Ovali.services.clockSeed(); });
EM_JS(void, ovali_end, (), { Ovali.page.end(); });

namespace ovali {

void WebToolkit::wait(double ms) {
  if (page_) page_->sync();
  ovali_wait_event(ms);
  lastYield_ = emscripten_get_now();
  if (page_) page_->dispatch();
}

void WebToolkit::msgbox(std::string_view text) { showBox(text, nullptr); }

void WebToolkit::msgboxWithChart(std::string_view text, const Chart& chart) {
  showBox(text, &chart);
}

void WebToolkit::showBox(std::string_view text, const Chart* chart) {
  if (page_) page_->sync();
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

void WebToolkit::doevents() {
  if (++passes_ % kPassesPerLook != 0) return;
  const double now = emscripten_get_now();
  if (now - lastYield_ < std::fmax(kShortestRunMs, kFramePeriodMs - screenMs_)) return;
  if (page_) page_->sync();
  ovali_yield();
  lastYield_ = emscripten_get_now();
  screenMs_ = 0.75 * screenMs_ + 0.25 * (lastYield_ - now);
  if (page_) page_->dispatch();
}

void WebToolkit::waitevents(double seconds) {
  // One day at most; the caller asks again.
  wait(seconds > 0 ? std::ceil(std::fmin(seconds, 86400.0) * 1000.0) : 0);
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
