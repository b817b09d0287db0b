// The elements that show the game's controls, each known to the game by its
// handle (its index here). The game writes into them; the user's acts on them
// go into the queue.
Ovali.elements = (() => {
  'use strict';

  const SVG = 'http://www.w3.org/2000/svg';
  const els = [];
  let stage = null;
  let lines = null;
  let programFocus = false;
  let measure = null;
  const push = (...event) => Ovali.queue.push(...event);

  const init = () => {
    stage = document.getElementById('stage');
    lines = document.createElementNS(SVG, 'svg');
    lines.setAttribute('aria-hidden', 'true');
    lines.setAttribute('class', 'lines');
    stage.appendChild(lines);
    if (framed) window.addEventListener('focus', activated);
    // The focus left for nothing (a panel closed, a menu left, a locked
    // control): the game is told, and puts it where it belongs.
    document.addEventListener('focusout', (e) => {
      if (!e.relatedTarget) setTimeout(() => nowhere() && push('focus', 0, PROGRAM));
    });
  };

  const add = (el, parent) => {
    (parent || stage).appendChild(el);
    els.push(el);
    el.ovaliHandle = els.length - 1;
    return els.length - 1;
  };

  const get = (h) => els[h];

  const make = (tag, id, className) => {
    const el = document.createElement(tag);
    if (id) el.id = id;
    if (className) el.className = className;
    return el;
  };

  // In a frame of another page (a course page) the game takes no focus while
  // the frame is not active: the browser would scroll that page to the frame
  // and take its keys away. The control keeps it, as a window that is not
  // active keeps its focus control, and gets it when the frame is activated
  // with nothing focused in it.
  const framed = window.top !== window;
  let kept = null;

  const nowhere = () => !document.activeElement || document.activeElement === document.body;

  const activated = () => {
    // After the click or Tab that activated the frame has focused what it
    // aimed at.
    setTimeout(() => {
      if (kept && nowhere() && kept.isConnected && !kept.disabled) focusQuietly(kept);
      kept = null;
    });
  };

  // The program's own focus moves are no news to the game.
  const focusQuietly = (el) => {
    if (framed && !document.hasFocus()) {
      kept = el;
      return;
    }
    kept = null;
    programFocus = true;
    el.focus();
    programFocus = false;
  };

  // Every focus move is told with how it came: the user's, the focus
  // coming back from a closed message box, the program's own.
  const USER = 0;
  const ACTIVATION = 1;
  const PROGRAM = 2;
  const userFocus = (e, focus) => {
    const from = e.relatedTarget;
    const back = from && from.closest && from.closest('dialog');
    push('focus', focus, programFocus ? PROGRAM : back ? ACTIVATION : USER);
  };

  // The handle of the element with the focus; -1 for nothing, -2 for one
  // that is not the game's (a panel's, a message box's).
  const focused = () => {
    if (nowhere()) return -1;
    const el = document.activeElement;
    // A check box's input is known by its label's handle.
    const owner = el.ovaliHandle !== undefined ? el : el.parentElement;
    const h = owner ? owner.ovaliHandle : undefined;
    return h === undefined || el.closest('dialog') ? -2 : h;
  };

  // A named group of elements (the board, the ladder), placed like the stage.
  const group = (id, name) => {
    const el = make('div', id, 'layer');
    el.setAttribute('role', 'group');
    el.setAttribute('aria-label', name);
    return add(el);
  };

  const label = (id, parent) => add(make('div', id, 'label'), parent >= 0 ? els[parent] : null);

  const link = (id, index) => {
    const el = make('a', id, 'label link');
    el.href = '#';
    el.addEventListener('click', (e) => {
      e.preventDefault();
      push('link', index);
    });
    return add(el);
  };

  const field = (id, index, focus) => {
    const el = make('input', id, 'field');
    el.type = 'text';
    el.autocomplete = 'off';
    el.spellcheck = false;
    // Only whole numbers are valid: a phone shows its number pad.
    el.setAttribute('inputmode', 'numeric');
    el.addEventListener('focus', (e) => userFocus(e, focus));
    el.addEventListener('input', () => push('edit', index));
    // The keys the game takes go to it, swallowed; every other key reaches
    // the field as it is.
    el.addEventListener('keydown', (e) => {
      if (e.isComposing || e.ctrlKey || e.altKey || e.metaKey) return;
      const code = e.key === 'Enter' ? 13 : e.key.length === 1 ? e.key.charCodeAt(0) : 0;
      if (code && el.ovaliKeys.includes(String.fromCharCode(code))) {
        e.preventDefault();
        push('key', index, code);
      }
    });
    const selection = () => {
      if (document.activeElement !== el) return;
      push('select', index, el.selectionStart, el.selectionEnd - el.selectionStart);
    };
    el.addEventListener('select', selection);
    el.addEventListener('keyup', selection);
    el.addEventListener('mouseup', selection);
    return add(el);
  };

  const button = (id, index, focus) => {
    const el = make('button', id, 'button');
    el.type = 'button';
    el.addEventListener('click', () => push('click', index));
    el.addEventListener('focus', (e) => userFocus(e, focus));
    return add(el);
  };

  const checkBox = (id, focus) => {
    const box = make('label', '', 'check');
    const input = make('input', id);
    input.type = 'checkbox';
    box.appendChild(input);
    box.appendChild(make('span'));
    input.addEventListener('change', () => push('fast', input.checked ? 1 : 0));
    input.addEventListener('focus', (e) => userFocus(e, focus));
    return add(box);
  };

  const circle = (id) => {
    const el = make('div', id, 'circle');
    el.setAttribute('aria-hidden', 'true');
    return add(el);
  };

  const line = () => {
    const el = document.createElementNS(SVG, 'line');
    el.style.stroke = 'var(--stroke, currentColor)';
    return add(el, lines);
  };

  // The input inside a check box's label, or the element itself.
  const control = (h) => {
    const el = els[h];
    return el.tagName === 'LABEL' ? el.firstChild : el;
  };

  // A caption changes many times a second in a fast run: its text node is
  // kept and only its value replaced.
  const text = (h, value) => {
    let el = els[h];
    if (el.tagName === 'LABEL') el = el.lastChild;
    const node = el.firstChild;
    if (node && node.nodeType === Node.TEXT_NODE && !node.nextSibling) node.nodeValue = value;
    else el.textContent = value;
  };

  const look = (h, px, bold, italic, underline, color, align) => {
    const s = els[h].style;
    s.fontSize = px + 'px';
    s.fontWeight = bold ? 'bold' : 'normal';
    s.fontStyle = italic ? 'italic' : 'normal';
    s.textDecoration = underline ? 'underline' : 'none';
    if (color) s.color = color;
    if (align) s.justifyContent = align;
  };

  // Moved by a transform: the inner ring moves every round, and a transform
  // needs no new layout of the page.
  const place = (h, x, y, w, height) => {
    const s = els[h].style;
    s.transform = 'translate(' + x + 'px,' + y + 'px)';
    s.width = w + 'px';
    s.height = height + 'px';
  };

  // A caption's width at `px` pixels, for the game to fit it to its box.
  const measureText = (h, px) => {
    const el = els[h];
    measure = measure || document.createElement('canvas').getContext('2d');
    const cs = getComputedStyle(el);
    measure.font = cs.fontStyle + ' ' + cs.fontWeight + ' ' + px + 'px ' + cs.fontFamily;
    return measure.measureText(el.textContent).width;
  };

  // A caption fitted to its box, in the middle of its height.
  const fitted = (h, px) => {
    const s = els[h].style;
    s.fontSize = px + 'px';
    s.alignItems = 'center';
  };

  const fill = (h, color, ring) => {
    const s = els[h].style;
    s.background = color;
    s.setProperty('--ring', ring + 'px');
  };

  const ends = (h, x1, y1, x2, y2, color, width) => {
    const el = els[h];
    el.setAttribute('x1', x1);
    el.setAttribute('y1', y1);
    el.setAttribute('x2', x2);
    el.setAttribute('y2', y2);
    el.style.setProperty('--stroke', color);
    el.setAttribute('stroke-width', width);
  };

  const visible = (h, on) => {
    const el = els[h];
    if (el.namespaceURI === SVG) el.style.display = on ? '' : 'none';
    else el.hidden = !on;
  };

  const enabled = (h, on) => {
    control(h).disabled = !on;
  };

  const value = (h, textValue) => {
    els[h].value = textValue;
  };

  // The caret at the selection's start, so that a long number shows its
  // first digits.
  const select = (h, start, length) => {
    els[h].setSelectionRange(start, start + length, 'backward');
  };

  const keys = (h, codes) => {
    els[h].ovaliKeys = codes;
  };

  const selection = (h, out) => {
    const el = els[h];
    HEAP32[out >> 2] = el.selectionStart;
    HEAP32[(out >> 2) + 1] = el.selectionEnd - el.selectionStart;
  };

  const checked = (h, on) => {
    control(h).checked = on;
  };

  const name = (h, accessibleName) => control(h).setAttribute('aria-label', accessibleName);
  const describe = (h, description) => els[h].setAttribute('aria-description', description);
  const role = (h, r) => els[h].setAttribute('role', r);

  const focus = (h) => {
    const el = control(h);
    if (document.activeElement !== el) focusQuietly(el);
  };

  // The stage's size in pixels, below the menu bar.
  const stageSize = (out) => {
    HEAPF64[out >> 3] = stage.clientWidth;
    HEAPF64[(out >> 3) + 1] = stage.clientHeight;
  };

  return {
    init, add, get, focusQuietly, group, label, link, field, button, checkBox, circle, line,
    text, look, place, measure: measureText, fitted, fill, ends, visible, enabled, value, select,
    selection, checked, name, describe, role, focus, focused, keys, stageSize,
  };
})();
