// The menu bar: bar items that open a menu or act themselves, menu items
// with an access key and a check mark. The keyboard walks it as a desktop
// menu bar: arrows, Enter, Escape, the access keys, Alt (or Alt+Shift) with
// a bar item's letter, and F10.
Ovali.menubar = (() => {
  'use strict';

  const { accessKey, accessKeyOf, step } = Ovali.helpers;
  const menus = [];
  let bar = null;
  let open = null;
  let returnFocus = null;

  const usable = (el) => el.getAttribute('aria-disabled') !== 'true';

  // A caption's "&" marks its access key, shown underlined.
  const caption = (el, text) => {
    const parts = accessKey(text);
    el.textContent = '';
    el.appendChild(document.createTextNode(parts.before));
    if (parts.key) {
      const u = document.createElement('u');
      u.textContent = parts.key;
      el.appendChild(u);
      el.appendChild(document.createTextNode(parts.after));
    }
    el.dataset.key = parts.key.toLowerCase();
  };

  const restore = () => {
    if (returnFocus && returnFocus.focus) Ovali.elements.focusQuietly(returnFocus);
  };

  const close = (restoreFocus) => {
    const entry = open;
    if (!entry) return;
    open = null;
    entry.menu.hidden = true;
    entry.bar.setAttribute('aria-expanded', 'false');
    entry.bar.classList.remove('open');
    if (restoreFocus) restore();
  };

  const show = (entry, focusFirst) => {
    if (!usable(entry.bar)) return;
    if (open && open !== entry) close(false);
    if (!open) returnFocus = document.activeElement;
    open = entry;
    entry.menu.hidden = false;
    entry.menu.style.left = entry.bar.offsetLeft + 'px';
    entry.bar.setAttribute('aria-expanded', 'true');
    entry.bar.classList.add('open');
    const first = entry.items.filter(usable)[0];
    if (focusFirst && first) first.focus();
    else entry.bar.focus();
  };

  const moveBar = (entry, by) => {
    const shown = menus.filter((m) => usable(m.bar));
    const next = shown[step(shown.length, shown.indexOf(entry), by)];
    if (!next) return;
    if (next.menu) show(next, true);
    else {
      close(false);
      next.bar.focus();
    }
  };

  // The keys that act alike on the bar and in an open menu: Left and Right
  // move along the bar, Escape closes. True when the key was one of them.
  const alongBar = (entry, e) => {
    if (e.key === 'ArrowRight' || e.key === 'ArrowLeft') {
      e.preventDefault();
      moveBar(entry, e.key === 'ArrowRight' ? 1 : -1);
    } else if (e.key === 'Escape') {
      e.preventDefault();
      close(true);
    } else {
      return false;
    }
    return true;
  };

  const barKey = (entry, e) => {
    if (alongBar(entry, e)) return;
    if (e.key === 'ArrowDown' || e.key === 'Enter' || e.key === ' ') {
      if (!entry.menu) return;
      e.preventDefault();
      show(entry, true);
    }
  };

  const menuKey = (entry, e) => {
    if (alongBar(entry, e)) return;
    const items = entry.items.filter(usable);
    const at = items.indexOf(document.activeElement);
    if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
      e.preventDefault();
      const next = step(items.length, at, e.key === 'ArrowDown' ? 1 : -1);
      if (next >= 0) items[next].focus();
    } else if (e.key === 'Enter' || e.key === ' ') {
      e.preventDefault();
      if (at >= 0) items[at].click();
    } else if (e.key === 'Tab') {
      close(true);
    } else if (e.key.length === 1 && !e.altKey && !e.ctrlKey) {
      const item = items.find((i) => i.dataset.key === e.key.toLowerCase());
      if (item) {
        e.preventDefault();
        item.click();
      }
    }
  };

  // Alt (or Alt+Shift) with a bar item's letter opens it, as far as the
  // browser lets the page have the key; F10 reaches the bar where neither does.
  const globalKey = (e) => {
    if (Ovali.queue.ended() || Ovali.msgbox.count() > 0) return;
    const key = accessKeyOf(e);
    if (key) {
      const entry = menus.find((m) => m.bar.dataset.key === key && usable(m.bar));
      if (!entry) return;
      e.preventDefault();
      e.stopPropagation();
      if (entry.menu) show(entry, true);
      else entry.bar.click();
    } else if (e.key === 'F10' && !e.shiftKey) {
      e.preventDefault();
      if (!returnFocus || !open) returnFocus = document.activeElement;
      if (menus.length) menus[0].bar.focus();
    }
  };

  const init = () => {
    bar = document.getElementById('menubar');
    document.addEventListener('keydown', globalKey, true);
    document.addEventListener('pointerdown', (e) => {
      if (open && !bar.contains(e.target)) close(false);
    }, true);
  };

  // A bar item: with a menu it opens it, without one it acts itself as
  // event `kind` with `index`.
  const barItem = (id, kind, index, hasMenu) => {
    const el = document.createElement('button');
    el.type = 'button';
    el.id = id;
    el.className = 'baritem';
    el.setAttribute('role', 'menuitem');
    el.tabIndex = menus.length === 0 ? 0 : -1;
    const entry = { bar: el, menu: null, items: [] };
    if (hasMenu) {
      el.setAttribute('aria-haspopup', 'menu');
      el.setAttribute('aria-expanded', 'false');
      const menu = document.createElement('div');
      menu.className = 'menu';
      menu.id = id + '_menu';
      menu.setAttribute('role', 'menu');
      menu.hidden = true;
      entry.menu = menu;
      el.addEventListener('click', () => (open === entry ? close(true) : show(entry, false)));
      menu.addEventListener('keydown', (e) => menuKey(entry, e));
    } else {
      el.addEventListener('click', () => {
        close(false);
        Ovali.queue.push(kind, index);
      });
    }
    el.addEventListener('keydown', (e) => barKey(entry, e));
    menus.push(entry);
    el.ovaliEntry = entry;
    const h = Ovali.elements.add(el, bar);
    if (entry.menu) bar.appendChild(entry.menu);
    return h;
  };

  const menuItem = (barHandle, id, kind, index, checkable) => {
    const entry = Ovali.elements.get(barHandle).ovaliEntry;
    const el = document.createElement('div');
    el.id = id;
    el.className = 'menuitem';
    el.tabIndex = -1;
    el.setAttribute('role', checkable ? 'menuitemcheckbox' : 'menuitem');
    if (checkable) el.setAttribute('aria-checked', 'false');
    const mark = document.createElement('span');
    mark.className = 'mark';
    mark.setAttribute('aria-hidden', 'true');
    const text = document.createElement('span');
    el.appendChild(mark);
    el.appendChild(text);
    el.addEventListener('click', () => {
      if (!usable(el)) return;
      close(true);
      Ovali.queue.push(kind, index);
    });
    entry.menu.appendChild(el);
    entry.items.push(el);
    el.ovaliText = text;
    return Ovali.elements.add(el, entry.menu);
  };

  const state = (h, text, checked, enabled) => {
    const el = Ovali.elements.get(h);
    caption(el.ovaliText || el, text);
    if (el.ovaliText) el.dataset.key = el.ovaliText.dataset.key;
    if (el.getAttribute('role') === 'menuitemcheckbox') {
      el.setAttribute('aria-checked', checked ? 'true' : 'false');
      el.firstChild.textContent = checked ? '\u2713' : '';
    }
    el.setAttribute('aria-disabled', enabled ? 'false' : 'true');
    el.classList.toggle('disabled', !enabled);
    if (!enabled && open && open.bar === el) close(false);
  };

  return { init, barItem, menuItem, state, close };
})();
