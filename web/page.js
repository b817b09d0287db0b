// The page side of the game: the elements that show the controls, the menus
// and the message boxes, and the queue of the user's events. The game (in
// WebAssembly) writes into the elements through the functions below and takes
// the queued events in its own event passes; nothing here decides anything
// about the game.
var Ovali = {
  // Event kinds, as web/page.cpp reads them.
  CLICK: 1, FAST: 2, EDIT: 3, FOCUS: 4, ENTER: 5, SELECT: 6, OPTION: 7, EXIT: 8, ABOUT: 9,
  LINK: 10, BOX_CLOSED: 11, RESIZE: 12,

  els: [],
  queue: [],
  wakeUp: null,
  wakeTimer: 0,
  ended: false,
  programFocus: false,
  boxes: [],
  menus: [],
  openMenu: null,
  resizePending: false,

  init: function () {
    var self = Ovali;
    self.stage = document.getElementById('stage');
    self.bar = document.getElementById('menubar');
    self.svg = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
    self.svg.setAttribute('aria-hidden', 'true');
    self.svg.setAttribute('class', 'lines');
    self.stage.appendChild(self.svg);
    var channel = new MessageChannel();
    self.soonQueue = [];
    channel.port1.onmessage = function () {
      var run = self.soonQueue.shift();
      if (run) run();
    };
    self.soonPort = channel.port2;
    window.addEventListener('resize', function () {
      if (self.resizePending) return;
      self.resizePending = true;
      self.push([self.RESIZE, 0, 0, 0]);
    });
    document.addEventListener('keydown', self.globalKey, true);
    document.addEventListener('pointerdown', function (e) {
      self.unlockAudio();
      if (self.openMenu && !self.bar.contains(e.target)) self.closeMenu(false);
    }, true);
    document.addEventListener('keydown', self.unlockAudio, true);
  },

  // A task of its own, without the delay a timer has.
  soon: function (run) {
    Ovali.soonQueue.push(run);
    Ovali.soonPort.postMessage(0);
  },

  push: function (event) {
    var self = Ovali;
    if (self.ended) return;
    self.queue.push(event);
    if (self.wakeUp) {
      var wake = self.wakeUp;
      self.wakeUp = null;
      clearTimeout(self.wakeTimer);
      self.soon(wake);
    }
  },

  // Sleeps the game until an event arrives or `ms` pass (forever when < 0).
  wait: function (ms, wakeUp) {
    var self = Ovali;
    if (self.queue.length > 0 || ms === 0) {
      self.soon(wakeUp);
      return;
    }
    self.wakeUp = wakeUp;
    if (ms > 0) {
      self.wakeTimer = setTimeout(function () {
        if (self.wakeUp === wakeUp) {
          self.wakeUp = null;
          wakeUp();
        }
      }, ms);
    }
  },

  take: function (out) {
    var event = Ovali.queue.shift();
    if (!event) return 0;
    if (event[0] === Ovali.RESIZE) Ovali.resizePending = false;
    HEAP32[out >> 2] = event[1];
    HEAP32[(out >> 2) + 1] = event[2];
    HEAP32[(out >> 2) + 2] = event[3];
    return event[0];
  },

  // ---- Elements.

  add: function (el, parent) {
    (parent || Ovali.stage).appendChild(el);
    Ovali.els.push(el);
    return Ovali.els.length - 1;
  },

  // A named group of elements (the board, the ladder), placed like the stage.
  group: function (id, name) {
    var el = document.createElement('div');
    el.id = id;
    el.className = 'layer';
    el.setAttribute('role', 'group');
    el.setAttribute('aria-label', name);
    return Ovali.add(el);
  },

  label: function (id, group) {
    var el = document.createElement('div');
    el.id = id;
    el.className = 'label';
    return Ovali.add(el, group >= 0 ? Ovali.els[group] : null);
  },

  link: function (id, index) {
    var el = document.createElement('a');
    el.id = id;
    el.className = 'label link';
    el.href = '#';
    el.addEventListener('click', function (e) {
      e.preventDefault();
      Ovali.push([Ovali.LINK, index, 0, 0]);
    });
    return Ovali.add(el);
  },

  field: function (id, field, focus) {
    var self = Ovali;
    var el = document.createElement('input');
    el.id = id;
    el.type = 'text';
    el.className = 'field';
    el.autocomplete = 'off';
    el.spellcheck = false;
    el.setAttribute('inputmode', 'decimal');
    el.addEventListener('focus', function (e) { self.userFocus(e, focus); });
    el.addEventListener('input', function () {
      self.push([self.EDIT, field, 0, 0]);
    });
    // Of the typed keys only Enter means something to the game, which
    // swallows it; every other key reaches the field as it is.
    el.addEventListener('keydown', function (e) {
      if ((e.key === 'Enter' || e.keyCode === 13) && !e.isComposing) {
        e.preventDefault();
        self.push([self.ENTER, field, 0, 0]);
      }
    });
    var selection = function () {
      if (document.activeElement !== el) return;
      self.push([self.SELECT, field, el.selectionStart,
        el.selectionEnd - el.selectionStart]);
    };
    el.addEventListener('select', selection);
    el.addEventListener('keyup', selection);
    el.addEventListener('mouseup', selection);
    return self.add(el);
  },

  button: function (id, index, focus) {
    var self = Ovali;
    var el = document.createElement('button');
    el.id = id;
    el.type = 'button';
    el.className = 'button';
    el.addEventListener('click', function () {
      self.push([self.CLICK, index, 0, 0]);
    });
    el.addEventListener('focus', function (e) { self.userFocus(e, focus); });
    return self.add(el);
  },

  checkBox: function (id, focus) {
    var self = Ovali;
    var box = document.createElement('label');
    box.className = 'check';
    var input = document.createElement('input');
    input.type = 'checkbox';
    input.id = id;
    var text = document.createElement('span');
    box.appendChild(input);
    box.appendChild(text);
    input.addEventListener('change', function () {
      self.push([self.FAST, input.checked ? 1 : 0, 0, 0]);
    });
    input.addEventListener('focus', function (e) { self.userFocus(e, focus); });
    return self.add(box);
  },

  circle: function (id) {
    var el = document.createElement('div');
    el.id = id;
    el.className = 'circle';
    el.setAttribute('aria-hidden', 'true');
    return Ovali.add(el);
  },

  line: function () {
    var el = document.createElementNS('http://www.w3.org/2000/svg', 'line');
    el.setAttribute('stroke', 'currentColor');
    return Ovali.add(el, Ovali.svg);
  },

  // Only the user's own moves are a new focus for the game: not the program's,
  // nor the focus coming back from a closed message box.
  userFocus: function (e, focus) {
    var from = e.relatedTarget;
    if (Ovali.programFocus || (from && from.closest && from.closest('dialog'))) return;
    Ovali.push([Ovali.FOCUS, focus, 0, 0]);
  },

  // The input inside a check box's label, or the element itself.
  control: function (h) {
    var el = Ovali.els[h];
    return el.tagName === 'LABEL' ? el.firstChild : el;
  },

  // A caption changes many times a second in a fast run: its text node is
  // kept and only its value replaced.
  text: function (h, text) {
    var el = Ovali.els[h];
    if (el.tagName === 'LABEL') el = el.lastChild;
    var node = el.firstChild;
    if (node && node.nodeType === 3 && !node.nextSibling) node.nodeValue = text;
    else el.textContent = text;
  },

  look: function (h, px, bold, italic, underline, color, align) {
    var s = Ovali.els[h].style;
    s.fontSize = px + 'px';
    s.fontWeight = bold ? 'bold' : 'normal';
    s.fontStyle = italic ? 'italic' : 'normal';
    s.textDecoration = underline ? 'underline' : 'none';
    if (color) s.color = color;
    if (align) s.justifyContent = align;
  },

  // Moved by a transform: the inner ring moves every round, and a transform
  // needs no new layout of the page.
  place: function (h, x, y, w, hh) {
    var s = Ovali.els[h].style;
    s.transform = 'translate(' + x + 'px,' + y + 'px)';
    s.width = w + 'px';
    s.height = hh + 'px';
  },

  // Shrinks a caption that is wider than its box, down to `smallest` pixels,
  // and centres it in the box's height.
  fit: function (h, px, smallest) {
    var el = Ovali.els[h];
    var s = el.style;
    s.fontSize = px + 'px';
    s.alignItems = '';
    var ctx = Ovali.measure ||
      (Ovali.measure = document.createElement('canvas').getContext('2d'));
    var cs = getComputedStyle(el);
    ctx.font = cs.fontStyle + ' ' + cs.fontWeight + ' ' + px + 'px ' + cs.fontFamily;
    var room = parseFloat(s.width) - 1;
    var need = ctx.measureText(el.textContent).width;
    if (need <= room) return;
    s.fontSize = Math.max(smallest, Math.floor(px * room / need)) + 'px';
    s.alignItems = 'center';
  },

  fill: function (h, color, ring) {
    var s = Ovali.els[h].style;
    s.background = color;
    s.boxShadow = '0 0 0 ' + ring + 'px #fff';
  },

  ends: function (h, x1, y1, x2, y2) {
    var el = Ovali.els[h];
    el.setAttribute('x1', x1);
    el.setAttribute('y1', y1);
    el.setAttribute('x2', x2);
    el.setAttribute('y2', y2);
  },

  visible: function (h, on) {
    var el = Ovali.els[h];
    if (el.namespaceURI === 'http://www.w3.org/2000/svg') {
      el.style.display = on ? '' : 'none';
    } else {
      el.hidden = !on;
    }
  },

  // A control that is locked while it has the focus (Step during its round,
  // Stop until the round ends) would leave the keyboard nowhere: it gets the
  // focus back when it is unlocked, unless the focus has gone elsewhere.
  enabled: function (h, on) {
    var self = Ovali;
    var el = self.control(h);
    if (!on && document.activeElement === el) self.lockedFocus = el;
    el.disabled = !on;
    var idle = !document.activeElement || document.activeElement === document.body;
    if (on && self.lockedFocus === el) {
      self.lockedFocus = null;
      if (idle) {
        self.programFocus = true;
        el.focus();
        self.programFocus = false;
      }
    }
  },

  value: function (h, text) {
    Ovali.els[h].value = text;
  },

  select: function (h, start, length) {
    var el = Ovali.els[h];
    var size = el.value.length;
    start = Math.max(0, Math.min(start, size));
    length = Math.max(0, Math.min(length, size - start));
    el.setSelectionRange(start, start + length);
  },

  selection: function (h, out) {
    var el = Ovali.els[h];
    HEAP32[out >> 2] = el.selectionStart;
    HEAP32[(out >> 2) + 1] = el.selectionEnd - el.selectionStart;
  },

  checked: function (h, on) {
    Ovali.control(h).checked = on;
  },

  name: function (h, name) {
    Ovali.control(h).setAttribute('aria-label', name);
  },

  describe: function (h, text) {
    Ovali.els[h].setAttribute('aria-description', text);
  },

  role: function (h, role) {
    Ovali.els[h].setAttribute('role', role);
  },

  focus: function (h) {
    var el = Ovali.control(h);
    if (document.activeElement === el) return;
    Ovali.programFocus = true;
    el.focus();
    Ovali.programFocus = false;
  },

  layout: function (fontFamily, boxPx, menuPx) {
    document.documentElement.style.setProperty('--family', fontFamily);
    document.documentElement.style.setProperty('--box-font', boxPx + 'px');
    document.documentElement.style.setProperty('--menu-font', menuPx + 'px');
  },

  // The stage's size in pixels, below the menu bar.
  stageSize: function (out) {
    HEAPF64[out >> 3] = Ovali.stage.clientWidth;
    HEAPF64[(out >> 3) + 1] = Ovali.stage.clientHeight;
  },

  // ---- Menus. A menu caption's "&" marks its access key, shown underlined.

  caption: function (el, caption) {
    el.textContent = '';
    var at = caption.indexOf('&');
    var key = '';
    if (at >= 0 && at + 1 < caption.length) {
      key = caption.charAt(at + 1).toLowerCase();
      el.appendChild(document.createTextNode(caption.slice(0, at)));
      var u = document.createElement('u');
      u.textContent = caption.charAt(at + 1);
      el.appendChild(u);
      el.appendChild(document.createTextNode(caption.slice(at + 2)));
    } else {
      el.textContent = caption;
    }
    el.dataset.key = key;
  },

  // A bar item; with `items` it opens a menu, without it acts itself.
  barItem: function (id, event, hasMenu) {
    var self = Ovali;
    var el = document.createElement('button');
    el.type = 'button';
    el.id = id;
    el.className = 'baritem';
    el.setAttribute('role', 'menuitem');
    el.tabIndex = -1;
    var entry = { bar: el, menu: null, items: [] };
    if (hasMenu) {
      el.setAttribute('aria-haspopup', 'menu');
      el.setAttribute('aria-expanded', 'false');
      var menu = document.createElement('div');
      menu.className = 'menu';
      menu.id = id + '_menu';
      menu.setAttribute('role', 'menu');
      menu.hidden = true;
      entry.menu = menu;
      el.addEventListener('click', function () {
        if (self.openMenu === entry) self.closeMenu(true);
        else self.showMenu(entry, false);
      });
      menu.addEventListener('keydown', function (e) { self.menuKey(entry, e); });
    } else {
      el.addEventListener('click', function () {
        self.closeMenu(false);
        self.push([event, 0, 0, 0]);
      });
    }
    el.addEventListener('keydown', function (e) { self.barKey(entry, e); });
    self.menus.push(entry);
    if (self.menus.length === 1) el.tabIndex = 0;
    var h = self.add(el, self.bar);
    if (entry.menu) self.bar.appendChild(entry.menu);
    el.ovaliEntry = entry;
    return h;
  },

  menuItem: function (barHandle, id, event, index, checkable) {
    var self = Ovali;
    var entry = self.els[barHandle].ovaliEntry;
    var el = document.createElement('div');
    el.id = id;
    el.className = 'menuitem';
    el.tabIndex = -1;
    el.setAttribute('role', checkable ? 'menuitemcheckbox' : 'menuitem');
    if (checkable) el.setAttribute('aria-checked', 'false');
    var mark = document.createElement('span');
    mark.className = 'mark';
    mark.setAttribute('aria-hidden', 'true');
    var text = document.createElement('span');
    el.appendChild(mark);
    el.appendChild(text);
    el.addEventListener('click', function () {
      if (el.getAttribute('aria-disabled') === 'true') return;
      self.closeMenu(true);
      self.push([event, index, 0, 0]);
    });
    entry.menu.appendChild(el);
    entry.items.push(el);
    el.ovaliText = text;
    return self.add(el, entry.menu);
  },

  menuState: function (h, caption, checked, enabled) {
    var el = Ovali.els[h];
    Ovali.caption(el.ovaliText || el, caption);
    if (el.ovaliText) el.dataset.key = el.ovaliText.dataset.key;
    if (el.getAttribute('role') === 'menuitemcheckbox') {
      el.setAttribute('aria-checked', checked ? 'true' : 'false');
      el.firstChild.textContent = checked ? '\u2713' : '';
    }
    el.setAttribute('aria-disabled', enabled ? 'false' : 'true');
    el.classList.toggle('disabled', !enabled);
    if (!enabled && Ovali.openMenu && Ovali.openMenu.bar === el) Ovali.closeMenu(false);
  },

  usable: function (el) {
    return el.getAttribute('aria-disabled') !== 'true';
  },

  showMenu: function (entry, focusFirst) {
    var self = Ovali;
    if (!self.usable(entry.bar)) return;
    if (self.openMenu && self.openMenu !== entry) self.closeMenu(false);
    if (!self.openMenu) self.returnFocus = document.activeElement;
    self.openMenu = entry;
    entry.menu.hidden = false;
    entry.menu.style.left = entry.bar.offsetLeft + 'px';
    entry.bar.setAttribute('aria-expanded', 'true');
    entry.bar.classList.add('open');
    var first = entry.items.filter(self.usable)[0];
    if (focusFirst && first) first.focus();
    else entry.bar.focus();
  },

  closeMenu: function (restoreFocus) {
    var self = Ovali;
    var entry = self.openMenu;
    if (!entry) return;
    self.openMenu = null;
    entry.menu.hidden = true;
    entry.bar.setAttribute('aria-expanded', 'false');
    entry.bar.classList.remove('open');
    if (restoreFocus && self.returnFocus && self.returnFocus.focus) {
      self.programFocus = true;
      self.returnFocus.focus();
      self.programFocus = false;
    }
  },

  moveBar: function (entry, step) {
    var self = Ovali;
    var usable = self.menus.filter(function (m) { return self.usable(m.bar); });
    var at = usable.indexOf(entry);
    var next = usable[(at + step + usable.length) % usable.length];
    if (next.menu) self.showMenu(next, true);
    else {
      self.closeMenu(false);
      next.bar.focus();
    }
  },

  barKey: function (entry, e) {
    var self = Ovali;
    if (e.key === 'ArrowDown' || e.key === 'Enter' || e.key === ' ') {
      if (!entry.menu) return;
      e.preventDefault();
      self.showMenu(entry, true);
    } else if (e.key === 'ArrowRight' || e.key === 'ArrowLeft') {
      e.preventDefault();
      self.moveBar(entry, e.key === 'ArrowRight' ? 1 : -1);
    } else if (e.key === 'Escape') {
      e.preventDefault();
      self.closeMenu(true);
    }
  },

  menuKey: function (entry, e) {
    var self = Ovali;
    var items = entry.items.filter(self.usable);
    var at = items.indexOf(document.activeElement);
    if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
      e.preventDefault();
      var step = e.key === 'ArrowDown' ? 1 : -1;
      if (items.length) items[(at + step + items.length) % items.length].focus();
    } else if (e.key === 'ArrowRight' || e.key === 'ArrowLeft') {
      e.preventDefault();
      self.moveBar(entry, e.key === 'ArrowRight' ? 1 : -1);
    } else if (e.key === 'Escape') {
      e.preventDefault();
      self.closeMenu(true);
    } else if (e.key === 'Enter' || e.key === ' ') {
      e.preventDefault();
      if (at >= 0) items[at].click();
    } else if (e.key === 'Tab') {
      self.closeMenu(true);
    } else if (e.key.length === 1 && !e.altKey && !e.ctrlKey) {
      var key = e.key.toLowerCase();
      for (var i = 0; i < items.length; i++) {
        if (items[i].dataset.key === key) {
          e.preventDefault();
          items[i].click();
          return;
        }
      }
    }
  },

  // Alt with a bar item's letter opens it, as far as the browser lets the
  // page have the key; F10 reaches the bar where Alt does not.
  globalKey: function (e) {
    var self = Ovali;
    if (self.ended || self.boxes.length > 0) return;
    if (e.altKey && !e.ctrlKey && !e.metaKey && e.key && e.key.length === 1) {
      var key = e.key.toLowerCase();
      if (e.code && e.code.indexOf('Key') === 0) key = e.code.charAt(3).toLowerCase();
      for (var i = 0; i < self.menus.length; i++) {
        var entry = self.menus[i];
        if (entry.bar.dataset.key === key && self.usable(entry.bar)) {
          e.preventDefault();
          e.stopPropagation();
          if (entry.menu) self.showMenu(entry, true);
          else entry.bar.click();
          return;
        }
      }
    } else if (e.key === 'F10' && !e.shiftKey) {
      e.preventDefault();
      if (!self.returnFocus || !self.openMenu) self.returnFocus = document.activeElement;
      self.menus[0].bar.focus();
    }
  },

  // ---- Message boxes: modal, OK only, captioned "ovali". A lone carriage
  // return is a line break; a line with tabs is a row of columns, the number
  // columns right-aligned. The tabs stay in the text (zero wide), so that a
  // copied row still has them.

  box: function (text, picture) {
    var self = Ovali;
    var depth = self.boxes.length;
    var dialog = document.createElement('dialog');
    dialog.className = 'box';
    dialog.id = 'box_' + depth;
    var title = document.createElement('div');
    title.className = 'title';
    title.id = 'box_title_' + depth;
    title.textContent = 'ovali';
    dialog.setAttribute('aria-labelledby', title.id);
    var message = document.createElement('div');
    message.className = 'message';
    message.id = 'box_message_' + depth;
    message.tabIndex = 0;
    dialog.setAttribute('aria-describedby', message.id);
    var lines = text.split(/\r\n|\r|\n/);
    for (var i = 0; i < lines.length; i++) {
      var line = lines[i];
      if (line.indexOf('\t') >= 0) {
        var row = document.createElement('span');
        row.className = 'row';
        var cells = line.split('\t');
        for (var c = 0; c < cells.length; c++) {
          var cell = document.createElement('span');
          cell.className = 'cell c' + Math.min(c, 3);
          cell.textContent = cells[c];
          row.appendChild(cell);
          if (c + 1 < cells.length) row.appendChild(document.createTextNode('\t'));
        }
        message.appendChild(row);
      } else {
        message.appendChild(document.createTextNode(line));
      }
      if (i + 1 < lines.length) message.appendChild(document.createTextNode('\n'));
    }
    var buttons = document.createElement('div');
    buttons.className = 'buttons';
    var ok = document.createElement('button');
    ok.type = 'button';
    ok.textContent = 'OK';
    ok.addEventListener('click', function () { dialog.close(); });
    buttons.appendChild(ok);
    dialog.appendChild(title);
    if (picture) {
      var chart = document.createElement('div');
      chart.className = 'picture';
      chart.innerHTML = picture;
      dialog.appendChild(chart);
    }
    dialog.appendChild(message);
    dialog.appendChild(buttons);
    dialog.addEventListener('keydown', function (e) {
      if (e.key === 'Enter') {
        e.preventDefault();
        dialog.close();
      } else if ((e.ctrlKey || e.metaKey) && (e.key === 'c' || e.key === 'C')) {
        // Nothing selected: the whole text is copied, as the desktop box does.
        var selection = window.getSelection();
        if (selection.isCollapsed || !message.contains(selection.anchorNode)) {
          selection.selectAllChildren(message);
          document.execCommand('copy');
        }
      }
    });
    dialog.addEventListener('close', function () {
      dialog.remove();
      var at = self.boxes.indexOf(dialog);
      if (at >= 0) self.boxes.splice(at, 1);
      self.push([self.BOX_CLOSED, depth, 0, 0]);
    });
    self.closeMenu(false);
    self.boxes.push(dialog);
    document.body.appendChild(dialog);
    dialog.showModal();
    ok.focus();
    return depth;
  },

  boxOpen: function (depth) {
    return Ovali.boxes.length > depth ? 1 : 0;
  },

  // ---- Services.

  audio: null,
  unlockAudio: function () {
    var self = Ovali;
    var Context = window.AudioContext || window.webkitAudioContext;
    if (!Context) return;
    if (!self.audio) {
      try { self.audio = new Context(); } catch (e) { return; }
    }
    if (self.audio.state === 'suspended') self.audio.resume();
  },

  beep: function () {
    var self = Ovali;
    var ctx = self.audio;
    if (!ctx || ctx.state !== 'running') return;
    var osc = ctx.createOscillator();
    var gain = ctx.createGain();
    osc.frequency.value = 880;
    gain.gain.setValueAtTime(0.15, ctx.currentTime);
    gain.gain.exponentialRampToValueAtTime(0.001, ctx.currentTime + 0.12);
    osc.connect(gain);
    gain.connect(ctx.destination);
    osc.start();
    osc.stop(ctx.currentTime + 0.12);
  },

  secondsSinceMidnight: function () {
    var now = new Date();
    var midnight = new Date(now.getFullYear(), now.getMonth(), now.getDate());
    return (now.getTime() - midnight.getTime()) / 1000;
  },

  // No handler runs any more. A page cannot close its tab: it says that the
  // game has ended and that reloading starts a new one.
  end: function () {
    var self = Ovali;
    self.ended = true;
    self.queue.length = 0;
    self.closeMenu(false);
    while (self.boxes.length) self.boxes.pop().remove();
    document.getElementById('app').inert = true;
    document.getElementById('app').setAttribute('aria-hidden', 'true');
    var ended = document.getElementById('ended');
    ended.hidden = false;
    ended.querySelector('button').focus();
  },
};

Module['preRun'] = [].concat(Module['preRun'] || [], [Ovali.init]);
