// The bodies of the page's bridges, the functions the game calls in the
// page's JavaScript, each declared once in web/bridges.h; the build checks
// that the two name the same functions with the same parameters. A bridge
// only hands its arguments on to the page's modules (Ovali.*), turning the
// game's strings into JavaScript's and back.
mergeInto(LibraryManager.library, {
  // ---- Elements. Each returns the new element's handle.
  ovali_group: function(id, name) {
    return Ovali.elements.group(UTF8ToString(id), UTF8ToString(name));
  },
  ovali_label: function(id, group) {
    return Ovali.elements.label(UTF8ToString(id), group);
  },
  ovali_link: function(id, index) {
    return Ovali.elements.link(UTF8ToString(id), index);
  },
  ovali_field: function(id, field, focus) {
    return Ovali.elements.field(UTF8ToString(id), field, focus);
  },
  ovali_button: function(id, index, focus) {
    return Ovali.elements.button(UTF8ToString(id), index, focus);
  },
  ovali_check_box: function(id, focus) {
    return Ovali.elements.checkBox(UTF8ToString(id), focus);
  },
  ovali_circle: function(id) {
    return Ovali.elements.circle(UTF8ToString(id));
  },
  ovali_line: function() {
    return Ovali.elements.line();
  },
  ovali_bar_item: function(id, kind, index, hasMenu) {
    return Ovali.menubar.barItem(UTF8ToString(id), UTF8ToString(kind), index, hasMenu);
  },
  ovali_menu_item: function(bar, id, kind, index, checkable) {
    return Ovali.menubar.menuItem(bar, UTF8ToString(id), UTF8ToString(kind), index, checkable);
  },
  // ---- What an element shows, and how.
  ovali_text: function(h, text, size) {
    Ovali.elements.text(h, UTF8ToString(text, size));
  },
  ovali_look: function(h, px, bold, italic, underline, color, align) {
    Ovali.elements.look(h, px, bold, italic, underline, UTF8ToString(color), UTF8ToString(align));
  },
  ovali_measure: function(h, px) {
    return Ovali.elements.measure(h, px);
  },
  ovali_fitted: function(h, px) {
    Ovali.elements.fitted(h, px);
  },
  ovali_place: function(h, x, y, w, hh) {
    Ovali.elements.place(h, x, y, w, hh);
  },
  ovali_fill: function(h, color, ring) {
    Ovali.elements.fill(h, UTF8ToString(color), ring);
  },
  ovali_ends: function(h, x1, y1, x2, y2, color, width) {
    Ovali.elements.ends(h, x1, y1, x2, y2, UTF8ToString(color), width);
  },
  ovali_visible: function(h, on) {
    Ovali.elements.visible(h, on);
  },
  ovali_enabled: function(h, on) {
    Ovali.elements.enabled(h, on);
  },
  ovali_value: function(h, text, size) {
    Ovali.elements.value(h, UTF8ToString(text, size));
  },
  ovali_value_size: function(h) {
    return lengthBytesUTF8(Ovali.elements.get(h).value);
  },
  ovali_value_copy: function(h, out, size) {
    stringToUTF8(Ovali.elements.get(h).value, out, size);
  },
  ovali_select: function(h, start, length) {
    Ovali.elements.select(h, start, length);
  },
  ovali_selection: function(h, out) {
    Ovali.elements.selection(h, out);
  },
  ovali_checked: function(h, on) {
    Ovali.elements.checked(h, on);
  },
  ovali_name: function(h, name, size) {
    Ovali.elements.name(h, UTF8ToString(name, size));
  },
  ovali_describe: function(h, text, size) {
    Ovali.elements.describe(h, UTF8ToString(text, size));
  },
  ovali_role: function(h, role) {
    Ovali.elements.role(h, UTF8ToString(role));
  },
  ovali_focus: function(h) {
    Ovali.elements.focus(h);
  },
  ovali_focused: function() {
    return Ovali.elements.focused();
  },
  ovali_field_keys: function(h, keys) {
    Ovali.elements.keys(h, UTF8ToString(keys));
  },
  ovali_menu_state: function(h, caption, checked, enabled) {
    Ovali.menubar.state(h, UTF8ToString(caption), checked, enabled);
  },
  // ---- The page as a whole, and its events.
  ovali_start: function(codes) {
    Ovali.queue.start(UTF8ToString(codes));
  },
  ovali_title: function(title, phase) {
    Ovali.page.title(UTF8ToString(title), UTF8ToString(phase));
  },
  ovali_announce: function(panel, text, size) {
    Ovali.page.announceIn(UTF8ToString(panel), UTF8ToString(text, size));
  },
  ovali_raise: function(panel) {
    Ovali.page.raise(UTF8ToString(panel));
  },
  ovali_query_size: function() {
    return lengthBytesUTF8(location.search);
  },
  ovali_query_copy: function(out, size) {
    stringToUTF8(location.search, out, size);
  },
  ovali_address: function(query) {
    Ovali.page.address(UTF8ToString(query));
  },
  ovali_layout: function(family, boxPx, menuPx) {
    Ovali.page.layout(UTF8ToString(family), boxPx, menuPx);
  },
  ovali_stage_size: function(out) {
    Ovali.elements.stageSize(out);
  },
  ovali_extent: function(width, height) {
    Ovali.page.extent(width, height);
  },
  ovali_take: function(out) {
    return Ovali.queue.take(out);
  },
  ovali_history_show: function(on, help) {
    Ovali.history.show(on, UTF8ToString(help));
  },
  ovali_history_draw: function(svg) {
    Ovali.history.draw(UTF8ToString(svg));
  },
  ovali_copy: function(text, size) {
    Ovali.services.copy(UTF8ToString(text, size));
  },
  // ---- The lab's panel.
  ovali_lab_words: function(title, chooser, versus, copy, copyDescription, close, progress) {
    Ovali.lab.words(
        UTF8ToString(title), UTF8ToString(chooser), UTF8ToString(versus), UTF8ToString(copy),
        UTF8ToString(copyDescription), UTF8ToString(close), UTF8ToString(progress));
  },
  ovali_lab_show: function(on) {
    Ovali.lab.show(on);
  },
  ovali_lab_view: function(
      experiments, chosen, choosable, versusShown, versus, versusError, run, done, games, progress,
      plan, notes, sentence, copyable) {
    Ovali.lab.view(
        UTF8ToString(experiments), chosen, choosable, versusShown, UTF8ToString(versus),
        UTF8ToString(versusError), UTF8ToString(run), done, games, UTF8ToString(progress),
        UTF8ToString(plan), UTF8ToString(notes), UTF8ToString(sentence), copyable);
  },
  ovali_lab_picture: function(svg) {
    Ovali.lab.picture(UTF8ToString(svg));
  },
  ovali_lab_versus_size: function() {
    return lengthBytesUTF8(Ovali.lab.versus());
  },
  ovali_lab_versus_copy: function(out, size) {
    stringToUTF8(Ovali.lab.versus(), out, size);
  },
  // ---- The lab's workers.
  ovali_lab_workers_start: function(text, size, jobs) {
    return Ovali.labWorkers.start(text, size, jobs);
  },
  ovali_lab_workers_stop: function() {
    Ovali.labWorkers.stop();
  },
  ovali_lab_workers_take: function(job) {
    return Ovali.labWorkers.take(job);
  },
  ovali_lab_workers_copy: function(out) {
    Ovali.labWorkers.copy(out);
  },
  ovali_lab_workers_failed: function() {
    return Ovali.labWorkers.failed();
  },
  ovali_lab_workers_parallel: function() {
    return Ovali.labWorkers.parallel();
  },
  ovali_lab_wake: function() {
    Ovali.labWorkers.wake();
  },
  // ---- The toolkit's services.
  ovali_wait_event__deps: ['$Asyncify'],
  ovali_wait_event: function(ms) {
    return Asyncify.handleSleep(function(wakeUp) {
      Ovali.queue.wait(ms, wakeUp);
    });
  },
  ovali_yield__deps: ['$Asyncify'],
  ovali_yield: function() {
    return Asyncify.handleSleep(function(wakeUp) {
      Ovali.queue.soon(wakeUp);
    });
  },
  ovali_sleep_forever__deps: ['$Asyncify'],
  ovali_sleep_forever: function() {
    return Asyncify.handleSleep(function(wakeUp) {});
  },
  ovali_box: function(text, size, picture) {
    return Ovali.msgbox.open(UTF8ToString(text, size), UTF8ToString(picture));
  },
  ovali_box_open: function(depth) {
    return Ovali.msgbox.isOpen(depth);
  },
  ovali_box_copy_size: function(depth) {
    const text = Ovali.msgbox.copyAsked(depth);
    return text == null ? -1 : lengthBytesUTF8(text);
  },
  ovali_box_copy_take: function(depth, out, size) {
    stringToUTF8(Ovali.msgbox.copyTaken(depth), out, size);
  },
  ovali_beep: function() {
    Ovali.services.beep();
  },
  ovali_seconds_since_midnight: function() {
    return Ovali.services.secondsSinceMidnight();
  },
  ovali_clock_seed: function() {
    return Ovali.services.clockSeed();
  },
  ovali_end: function() {
    Ovali.page.end();
  },
});
