// Message boxes: modal, OK only, captioned "ovali". A lone carriage return
// is a line break; a line with tabs is a row of columns, the number columns
// right-aligned. The tabs stay in the text (zero wide), so that a copied row
// still has them.
Ovali.msgbox = (() => {
  'use strict';

  const { rows, cellClass } = Ovali.helpers;
  const boxes = [];

  const element = (tag, className, id) => {
    const el = document.createElement(tag);
    el.className = className;
    if (id) el.id = id;
    return el;
  };

  const message = (text, id) => {
    const el = element('div', 'message', id);
    el.tabIndex = 0;
    rows(text).forEach((line, i) => {
      if (i > 0) el.appendChild(document.createTextNode('\n'));
      if (typeof line === 'string') {
        el.appendChild(document.createTextNode(line));
        return;
      }
      const row = element('span', 'row');
      line.forEach((cellText, c) => {
        if (c > 0) row.appendChild(document.createTextNode('\t'));
        const cell = element('span', cellClass(c));
        cell.textContent = cellText;
        row.appendChild(cell);
      });
      el.appendChild(row);
    });
    return el;
  };

  // Opens a box and returns its depth, which the game waits on.
  const open = (text, picture) => {
    const depth = boxes.length;
    const dialog = element('dialog', 'box', 'box_' + depth);
    const title = element('div', 'title', 'box_title_' + depth);
    title.textContent = 'ovali';
    dialog.setAttribute('aria-labelledby', title.id);
    const body = message(text, 'box_message_' + depth);
    dialog.setAttribute('aria-describedby', body.id);
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
        // Nothing selected: the whole text is copied, as the desktop box does.
        const selection = window.getSelection();
        if (selection.isCollapsed || !body.contains(selection.anchorNode)) {
          selection.selectAllChildren(body);
          document.execCommand('copy');
        }
      }
    });
    dialog.addEventListener('close', () => {
      dialog.remove();
      const at = boxes.indexOf(dialog);
      if (at >= 0) boxes.splice(at, 1);
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

  const closeAll = () => {
    while (boxes.length) boxes.pop().remove();
  };

  return { open, isOpen, count: () => boxes.length, closeAll };
})();
