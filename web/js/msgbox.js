// Message boxes: modal, OK only, as the game makes them (view/messagebox.h):
// the caption, the name a screen reader announces, the lines and the tables
// of rows. The tabs and line breaks stay in the text (zero wide, and hidden
// from screen readers in a table), so that a copied row still has them.
Ovali.msgbox = (() => {
  'use strict';

  const boxes = [];
  const copies = [];  // by depth: the selection Ctrl+C asked to copy, until the game takes it

  const element = (tag, className, id) => {
    const el = document.createElement(tag);
    el.className = className;
    if (id) el.id = id;
    return el;
  };

  const withRole = (el, role) => {
    el.setAttribute('role', role);
    return el;
  };

  const separator = (text) => {
    const el = document.createElement('span');
    el.setAttribute('aria-hidden', 'true');
    el.textContent = text;
    return el;
  };

  const lineOf = (line) => {
    if (!line.cells) return document.createTextNode(line.line);
    const row = withRole(element('span', 'row'), 'row');
    line.cells.forEach((cell, c) => {
      if (c > 0) row.appendChild(separator('\t'));
      const el = withRole(element('span', 'cell c' + cell.column), 'cell');
      if (cell.number) el.classList.add('number');
      el.textContent = cell.text;
      row.appendChild(el);
    });
    return row;
  };

  const message = (parts, id) => {
    const el = element('div', 'message', id);
    el.tabIndex = 0;
    parts.forEach((part, i) => {
      if (i > 0) el.appendChild(document.createTextNode('\n'));
      if (!part.table) {
        el.appendChild(lineOf(part));
        return;
      }
      const table = withRole(element('span', 'rows'), 'table');
      part.table.forEach((line, j) => {
        if (j > 0) table.appendChild(separator('\n'));
        table.appendChild(lineOf(line));
      });
      el.appendChild(table);
    });
    return el;
  };

  // Opens a box (`data`: the game's JSON of it, `picture`: its chart as SVG
  // or '') and returns its depth, which the game waits on.
  const open = (data, picture) => {
    const box = JSON.parse(data);
    const depth = boxes.length;
    const dialog = element('dialog', 'box', 'box_' + depth);
    const title = element('div', 'title', 'box_title_' + depth);
    title.textContent = box.caption;
    dialog.setAttribute('aria-label', box.name);
    const body = message(box.parts, 'box_message_' + depth);
    const buttons = element('div', 'buttons');
    const ok = document.createElement('button');
    ok.type = 'button';
    ok.textContent = 'OK';
    ok.addEventListener('click', () => dialog.close());
    buttons.appendChild(ok);
    dialog.appendChild(title);
    if (picture) {
      dialog.classList.add('with-chart');
      const chart = element('div', 'picture');
      chart.innerHTML = picture;
      dialog.appendChild(chart);
    }
    dialog.appendChild(body);
    dialog.appendChild(buttons);
    dialog.addEventListener('keydown', (e) => {
      if (e.key === 'Enter') {
        e.preventDefault();
        dialog.close();
      } else if ((e.ctrlKey || e.metaKey) && (e.key === 'c' || e.key === 'C')) {
        // The game copies: what is selected in the text, '' for nothing.
        e.preventDefault();
        const selection = window.getSelection();
        const selected = !selection.isCollapsed && body.contains(selection.anchorNode);
        copies[depth] = selected ? selection.toString() : '';
        Ovali.queue.push('boxCopy', depth);
      }
    });
    dialog.addEventListener('close', () => {
      dialog.remove();
      const at = boxes.indexOf(dialog);
      if (at >= 0) boxes.splice(at, 1);
      copies.length = boxes.length;
      Ovali.queue.push('boxClosed', depth);
    });
    Ovali.menubar.close(false);
    boxes.push(dialog);
    document.body.appendChild(dialog);
    dialog.showModal();
    ok.focus();
    return depth;
  };

  const isOpen = (depth) => (boxes.length > depth ? 1 : 0);

  // The selection a Ctrl+C in the box at `depth` asked to copy, or null.
  const copyAsked = (depth) => (typeof copies[depth] === 'string' ? copies[depth] : null);
  const copyTaken = (depth) => {
    const text = copyAsked(depth) || '';
    copies[depth] = null;
    return text;
  };

  const closeAll = () => {
    while (boxes.length) boxes.pop().remove();
    copies.length = 0;
  };

  return { open, isOpen, copyAsked, copyTaken, count: () => boxes.length, closeAll };
})();
