mergeInto(LibraryManager.library, {
  ovali_wait_event__deps: ['$Asyncify'],
  ovali_wait_event: function(ms) {
    return Asyncify.handleSleep(function(wakeUp) {
      Ovali.queue.wait(ms, wakeUp);
    });
  },
  ovali_line: function() {
    return Ovali.elements.line();
  },
  ovali_twice: function(h) {
    Ovali.elements.focus(h);
  },
  ovali_swapped: function(h, size, text) {
    Ovali.elements.text(h, UTF8ToString(text, size));
  },
  ovali_line: function() {
    return Ovali.elements.line();
  },
  ovali_extra: function(h) {
    Ovali.elements.focus(h);
  },
  ovali_gone__deps: ['$Asyncify'],
  ovali_new_sleep: function() {
    return Asyncify.handleSleep(function(wakeUp) {});
  },
  ovali_take: function(out) {
    return Ovali.queue.take(out);
  },
});
